#pragma once
// The RS232 code library editor "Edit Rs232Lib": one library (a name and
// named RS232 functions with their serial settings, data format, end
// character and data) kept as Library/<name>.rss. The user opens or starts a
// library, adds, changes and deletes functions and saves. The library is a
// copy in memory: only Save Edit and Save Name as write it, each the whole
// library; OK, Cancel and the close box end the editor without saving.
// Return and Escape do nothing.
//
// A save rewrites only the function the function list selects, from the
// present controls; the format radios decide how the data edit is read.

#include "controls/modaldialog.h"
#include "editors/serialdatacontrols.h"
#include "model/crs232libset.h"

#include <memory>

#include <string>

class CRS232Edit;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CDlgRs232EditLib : public ModalDialog {
    Q_OBJECT
public:
    // `library` and `function` name the library and function to show first.
    CDlgRs232EditLib(QWidget* parent, const std::string& library, const std::string& function);

    QLineEdit* m_editLibName;   // 1039, read-only: the library's stored name
    QComboBox* m_comboFunction; // 1074, sorted
    QComboBox* m_comboBaud;     // 1075
    QComboBox* m_comboDataBit;  // 1084
    QComboBox* m_comboStopBit;  // 1085
    CRS232Edit* m_editData;     // 1082, typed: at most 96 characters
    int m_nFormat = 0;          // radio group 1077: 0 ASCII, 1 hex
    int m_nEndChar = 0;         // radio group 1079: 0 none, 1 CR, 2 CR LF
    std::string m_strLib;       // given by the caller
    std::string m_strFunction;  // given by the caller
    CRS232LibSet m_rsLib;       // the library being edited
    QGroupBox* m_staticEndChar; // 1083 "End Char For ASCII Format"
    QComboBox* m_comboParity;   // 1179

    QPushButton* m_btnOpenLib;        // 1025
    QPushButton* m_btnNewLib;         // 1026
    QPushButton* m_btnNewFunction;    // 1027
    QPushButton* m_btnDeleteFunction; // 1076
    QPushButton* m_btnClear;          // 1088
    QPushButton* m_btnSaveEdit;       // 1086
    QPushButton* m_btnSaveNameAs;     // 1087
    QPushButton* m_btnOk;             // 1
    QPushButton* m_btnCancel;         // 2
    QRadioButton* m_radioAscii;       // 1077
    QRadioButton* m_radioHex;         // 1078
    QRadioButton* m_radioEndNone;     // 1079 "None"
    QRadioButton* m_radioEndCr;       // 1080 "Carriage return"
    QRadioButton* m_radioEndCrLf;     // 1081 "Enter"

    // Loads Library/<library>.rss (names trimmed) and shows `function`, or
    // the first function in sorted order when it is empty. A missing library
    // leaves the editor empty without a word; a damaged one is reported.
    void LoadLibAndSelect(const std::string& library, const std::string& function);
    // Fills the function list with the library's names and selects `name`
    // (letter case aside) or else the first entry.
    void FillFunctionCombo(const std::string& name);
    // Function i of the library into the members and controls.
    void ShowAsciiFunction(int i);
    void ShowHexFunction(int i);
    // The data edit's text as hex pairs (see serialtext::AsciiToHex).
    void AsciiToHex();

    void OnBnClickedRadioAscii();
    void OnBnClickedRadioHex();
    void OnBnClickedOpenLib();
    void OnBnClickedNewLib();
    void OnBnClickedNewFunction();
    void OnCbnSelchangeComboFunction();
    void OnBnClickedDeleteFunction();
    void OnBnClickedClear();
    void OnCbnSelchangeComboDataBit();
    void OnBnClickedSaveEdit();
    void OnBnClickedSaveNameAs();

    // true: the radios into m_nFormat and m_nEndChar (-1 when none is
    // checked); false: the members into the radios.
    void UpdateData(bool saveAndValidate);

protected:
    void OnInitDialog() override;

private:
    // The function of the list's present text into the controls, by its
    // stored format; false when the library has none of that name.
    bool ShowListedFunction();
    // The serial settings of a function into their lists.
    void SelectSerialSettings(const CRS232LibFun& fun);
    // The function from the controls: name, serial settings, format, end
    // character and data; data longer than the device takes is cut, and a
    // message says what is kept.
    CRS232LibFun FunctionFromControls(const std::string& name);
    // The checks and the rewrite of the listed function before a save;
    // false after their message (or, without functions, silently).
    bool RewriteListedFunction();
    // Writes the library; false after a message when it could not.
    bool WriteLibrary(const QString& path);

    std::unique_ptr<SerialDataControls> m_data;
};
