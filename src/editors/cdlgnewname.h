#pragma once
// The name prompt of both code library editors: a new library name, a new
// function name or the new name of an IR function. OK takes the name trimmed
// and refuses an empty one and one that is already taken; the owner uses
// m_strName only when DoModal gave kIdOk and m_bAccepted is true. Return is
// OK and Escape Cancel.
//
//   mode  asked for                 taken when
//   0     RS232 library (New Lib)   Library/<name>.rss exists
//   1     RS232 function            an entry of m_existingNames equals the name
//   2     IR library (New Lib)      Library/<name>.irr exists
//   3     IR function (new/rename)  an entry of m_existingNames, trimmed,
//                                   equals the name
//
// Names compare byte for byte, letter case included. A library name must
// also be usable as a file name in the Library folder (IsPlainFileName); a
// function name may hold no ':' (the library lines and the event texts are
// split at colons).

#include "controls/modaldialog.h"

#include <string>
#include <vector>

class QLineEdit;
class QPushButton;

class CDlgNewName : public ModalDialog {
    Q_OBJECT
public:
    enum Mode { kModeRs232Lib = 0, kModeRs232Function = 1, kModeIrLib = 2, kModeIrFunction = 3 };

    explicit CDlgNewName(QWidget* parent = nullptr);

    int m_nMode = kModeRs232Lib;
    std::string m_strName;
    bool m_bAccepted = false;
    // The owner's present function names (modes 1 and 3): the entries of
    // the RS232 editor's function box, or column 1 of the IR code list.
    std::vector<std::string> m_existingNames;

    QLineEdit* m_editName;    // 1071, no length limit, any character
    QPushButton* m_btnOk;     // 1
    QPushButton* m_btnCancel; // 2

    void OnBnClickedOk();

private:
    bool IsLibraryMode() const { return m_nMode == kModeRs232Lib || m_nMode == kModeIrLib; }
    bool IsNameTaken() const;
};
