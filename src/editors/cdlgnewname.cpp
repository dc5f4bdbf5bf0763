#include "editors/cdlgnewname.h"

#include "controls/dialoglayout.h"
#include "platform/codepage.h"
#include "platform/programpaths.h"
#include "platform/prompter.h"
#include "platform/textutil.h"

#include <QLineEdit>
#include <QPushButton>

CDlgNewName::CDlgNewName(QWidget* parent) : ModalDialog(parent) {
    const DialogLayout layout(this);
    setWindowTitle(QStringLiteral("NewName"));
    setFixedSize(layout.Units().Size(298, 87));

    layout.Label("Name:", 0, 31, 26, 36);
    m_editName = layout.Edit(1071, 69, 22, 99, 18);

    m_btnOk = layout.Button("OK", 1, 153, 66);
    m_btnOk->setDefault(true);
    m_btnCancel = layout.Button("Cancel", 2, 214, 66);

    connect(m_btnOk, &QPushButton::clicked, this, &CDlgNewName::OnBnClickedOk);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    m_editName->setFocus();
}

void CDlgNewName::OnBnClickedOk() {
    m_strName = txt::Trim(cp936::FromUnicode(m_editName->text()));
    m_bAccepted = false;
    if (m_strName.empty()) {
        prompt::MessageBox(IsLibraryMode() ? "Please create a new lib name"
                                           : "Please create a new function name");
        return;
    }
    if (IsLibraryMode() && !IsPlainFileName(m_strName)) {
        // The name becomes a file name in the Library folder: a separator or
        // a character Windows refuses would write elsewhere or not at all.
        prompt::MessageBox("The name can not be used as a file name");
        m_strName.clear();
        return;
    }
    if (!IsLibraryMode() && m_strName.find(':') != std::string::npos) {
        // Library lines and event texts are split at colons: such a name
        // would come back cut in two.
        prompt::MessageBox("The name can not contain ':'");
        return;
    }
    if (IsNameTaken()) {
        if (IsLibraryMode()) {
            prompt::MessageBox("the name is aready exsit in the Library");
            m_strName.clear();
        } else {
            prompt::MessageBox("The Function name is already exist");
        }
        return;
    }
    m_bAccepted = true;
    accept();
}

bool CDlgNewName::IsNameTaken() const {
    switch (m_nMode) {
    case kModeRs232Lib:
        return IsFileInLibrary(m_strName + ".rss");
    case kModeIrLib:
        return IsFileInLibrary(m_strName + ".irr");
    case kModeRs232Function:
        for (const std::string& name : m_existingNames)
            if (name == m_strName)
                return true;
        return false;
    case kModeIrFunction:
        for (const std::string& name : m_existingNames)
            if (txt::Trim(name) == m_strName)
                return true;
        return false;
    default:
        return false;
    }
}
