#pragma once
// The IR code library editor: one library (a name and named IR codes) kept
// as Library/<name>.irr. The user opens or starts a library, adds, renames
// and deletes functions, lets the keypad learn a function's code from a
// remote control, and saves. Nothing is written before Save Edit or Save
// Name as; OK, Cancel and the close box all end the editor without saving.
//
// Learning: Learn starts learning through the IrLearnLink the caller hands
// in (the main window's serial link): the learn request goes out and the
// main window is in IR-learn mode. The main window then hands every
// learned-code frame to the window titled "IR Edit" (this editor keeps that
// title while it is open) through OnLearnData, which writes the code into
// the selected row. Learn stays disabled for
// Timing().learnButtonMs after each press. Closing the editor ends learn
// mode and returns the link to idle. Without a link Learn asks for the
// port, as with a closed one.

#include "controls/modaldialog.h"
#include "device/irlearnreceiver.h"
#include "editors/irlearnlink.h"
#include "model/cirlibset.h"
#include "model/keyrecord.h"

#include <QTimer>
#include <string>

class CQvmIrListCtrl;
class QLineEdit;
class QPushButton;

class CDlgIREditLib : public ModalDialog, public IrLearnReceiver {
    Q_OBJECT
public:
    explicit CDlgIREditLib(QWidget* parent = nullptr, IrLearnLink* link = nullptr);

    QLineEdit* m_editLibName;      // 1039, read-only
    CQvmIrListCtrl* m_listCodes;   // 1094: "No.", "Name", "Data"
    std::string m_strLibName;      // set by the caller; refreshed when saving
    std::string m_strFunctionName; // set by the caller; selected at start
    CStringArray m_arrFunctions;   // the function lines as last built from the rows
    CIrLibSet m_irLib;             // the library as read from or written to its file
    QPushButton* m_btnLearn;       // 1096

    QPushButton* m_btnOpenLib;        // 1025
    QPushButton* m_btnNewLib;         // 1026
    QPushButton* m_btnNewFunction;    // 1027
    QPushButton* m_btnDeleteFunction; // 1076
    QPushButton* m_btnRename;         // 1077
    QPushButton* m_btnSaveEdit;       // 1086
    QPushButton* m_btnSaveNameAs;     // 1087
    QPushButton* m_btnOk;             // 1
    QPushButton* m_btnCancel;         // 2

    // Shows Library/<library>.irr (names trimmed) and selects the first row
    // named exactly `function`; returns that row, else 0. A missing library
    // leaves the editor empty without a word.
    int LoadLibAndSelect(const std::string& library, const std::string& function);

    void OnBnClickedOpenLib();
    void OnBnClickedNewLib();
    void OnBnClickedNewFunction();
    void OnBnClickedRenameForFunction();
    void OnBnClickedDeleteFunction();
    void OnBnClickedSaveEdit();
    void OnBnClickedSaveNameAs();
    void OnBnClickedLearn();
    // The Learn timer ran out: Learn is available again.
    void OnTimer();
    // A learned-code frame from the main window.
    void OnLearnData(const char* frame, int length) override;

    // The rows become m_arrFunctions and, with the name edit's text, m_irLib.
    void UpdateLibFromList();

    // Runs while Learn is disabled after a press.
    QTimer m_learnTimer;

protected:
    void OnInitDialog() override;
    // Every way of closing the editor ends learn mode.
    void done(int result) override;

private:
    IrLearnLink* m_pLink; // the link Learn uses; may be null

    // The two checks before a save; false after their message.
    bool CanSave();
    // Writes m_irLib to path; false after a message when it could not.
    bool WriteLibrary(const QString& path);
    // The names of all rows (column 1).
    std::vector<std::string> RowNames() const;
};
