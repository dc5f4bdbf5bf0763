#include "editors/cdlgireditlib.h"

#include "controls/cqvmirlistctrl.h"
#include "controls/dialoglayout.h"
#include "controls/showntext.h"
#include "device/devicetiming.h"
#include "editors/cdlgnewname.h"
#include "editors/libraryfiles.h"
#include "model/cqvmcmd.h"
#include "platform/programpaths.h"
#include "platform/prompter.h"
#include "platform/textutil.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A new function's code until one is learned: 99 'F' characters.
constexpr int kNewCodeChars = 99;

} // namespace

CDlgIREditLib::CDlgIREditLib(QWidget* parent, IrLearnLink* link) : ModalDialog(parent), m_pLink(link) {
    DialogLayout layout(this);
    // Enter presses none of the buttons but OK.
    layout.NoAutoDefaultButtons();
    setWindowTitle(QString::fromLatin1(kIrEditTitle));
    setFixedSize(layout.Units().Size(509, 230));
    SwallowKeys(true, true);

    layout.Label("IR Lib Name:", 1211, 17, 14, 64);
    m_editLibName = layout.Edit(1039, 84, 12, 47, 12);
    MakeReadOnly(m_editLibName);
    m_btnOpenLib = layout.Button("Open Lib", 1025, 137, 12, 40);
    m_btnNewLib = layout.Button("New Lib", 1026, 181, 12, 40);

    QGroupBox* edit = layout.Group("Edit", 1212, 25, 34, 448, 152);
    SetFrameThroughTitle(edit);
    edit->lower();
    m_btnNewFunction = layout.Button("New Function", 1027, 46, 41, 52);
    m_btnDeleteFunction = layout.Button("Delete Function", 1076, 102, 41, 90);
    m_btnRename = layout.Button("Rename For Function", 1077, 199, 41, 90);

    m_listCodes = layout.Place(new CQvmIrListCtrl(this), 1094, 41, 60, 421, 122);

    m_btnLearn = layout.Button("Learn", 1096, 46, 193, 70);
    m_btnSaveEdit = layout.Button("Save Edit", 1086, 123, 192, 70);
    m_btnSaveNameAs = layout.Button("Save Name as", 1087, 202, 193, 70);
    m_btnOk = layout.Button("OK", 1, 301, 194, 50);
    m_btnOk->setDefault(true);
    m_btnCancel = layout.Button("Cancel", 2, 367, 194, 50);

    m_learnTimer.setSingleShot(true);
    connect(&m_learnTimer, &QTimer::timeout, this, &CDlgIREditLib::OnTimer);

    connect(m_btnOpenLib, &QPushButton::clicked, this, &CDlgIREditLib::OnBnClickedOpenLib);
    connect(m_btnNewLib, &QPushButton::clicked, this, &CDlgIREditLib::OnBnClickedNewLib);
    connect(m_btnNewFunction, &QPushButton::clicked, this, &CDlgIREditLib::OnBnClickedNewFunction);
    connect(m_btnRename, &QPushButton::clicked, this, &CDlgIREditLib::OnBnClickedRenameForFunction);
    connect(m_btnDeleteFunction, &QPushButton::clicked, this, &CDlgIREditLib::OnBnClickedDeleteFunction);
    connect(m_btnSaveEdit, &QPushButton::clicked, this, &CDlgIREditLib::OnBnClickedSaveEdit);
    connect(m_btnLearn, &QPushButton::clicked, this, &CDlgIREditLib::OnBnClickedLearn);
    connect(m_btnSaveNameAs, &QPushButton::clicked, this, &CDlgIREditLib::OnBnClickedSaveNameAs);
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CDlgIREditLib::OnInitDialog() {
    m_listCodes->InsertColumn(0, "No.", 40);
    m_listCodes->InsertColumn(1, "Name", 100);
    m_listCodes->InsertColumn(2, "Data", 400);
    m_listCodes->SetGridLines(true);
    m_listCodes->EnableMarkSortedColumn();

    m_editLibName->clear();
    m_listCodes->DeleteAllItems();
    m_arrFunctions.clear();
    m_irLib = CIrLibSet();

    LoadLibAndSelect(m_strLibName, m_strFunctionName);
}

int CDlgIREditLib::LoadLibAndSelect(const std::string& library, const std::string& function) {
    const std::string lib = txt::Trim(library);
    const std::string fn = txt::Trim(function);
    // The name comes from an event text: one that is no plain file name
    // would reach outside the Library folder, so it counts as missing.
    if (lib.empty() || !IsPlainFileName(lib))
        return 0;
    switch (ReadLibraryFile(m_irLib, GetLibraryFilePath(lib + ".irr"))) {
    case LibraryRead::Unreadable:
        return 0;
    case LibraryRead::Damaged:
        // Say so, and start with an empty editor.
        prompt::MessageBox("Can Not Open The File");
        return 0;
    case LibraryRead::Loaded:
        break;
    }
    shown::SetEditText(m_editLibName, lib);
    m_listCodes->LoadFromArray(m_irLib.m_arrFunctions);
    for (int row = 0; row < m_listCodes->GetItemCount(); ++row) {
        const std::string name = m_listCodes->GetItemText(row, 1);
        if (!name.empty() && name == fn) {
            m_listCodes->SelectItem(row);
            return row;
        }
    }
    return 0;
}

void CDlgIREditLib::OnBnClickedOpenLib() {
    // A library that cannot be opened changes nothing the editor shows: the
    // rows may not have been saved yet.
    if (!OpenLibraryFile(m_irLib, QStringLiteral("irr"), "Can Not Open The File"))
        return;
    shown::SetEditText(m_editLibName, m_irLib.m_strName);
    m_arrFunctions = m_irLib.m_arrFunctions;
    m_listCodes->LoadFromArray(m_arrFunctions);
}

void CDlgIREditLib::OnBnClickedNewLib() {
    CDlgNewName dlg(this);
    dlg.m_nMode = CDlgNewName::kModeIrLib;
    if (dlg.DoModal() != kIdOk || !dlg.m_bAccepted)
        return;
    m_listCodes->DeleteAllItems();
    m_arrFunctions.clear();
    shown::SetEditText(m_editLibName, dlg.m_strName);
    m_irLib.m_arrFunctions.clear();
    m_irLib.m_strName = dlg.m_strName;
}

void CDlgIREditLib::OnBnClickedNewFunction() {
    CDlgNewName dlg(this);
    dlg.m_nMode = CDlgNewName::kModeIrFunction;
    dlg.m_existingNames = RowNames();
    if (dlg.DoModal() != kIdOk || !dlg.m_bAccepted)
        return;
    m_listCodes->AddItem(dlg.m_strName, std::string(kNewCodeChars, 'F'));
    m_listCodes->SortAndRenumber();
}

void CDlgIREditLib::OnBnClickedRenameForFunction() {
    const int row = m_listCodes->GetFirstSelectedItem();
    if (row < 0) {
        prompt::MessageBox("Please select a Item for list");
        return;
    }
    CDlgNewName dlg(this);
    dlg.m_nMode = CDlgNewName::kModeIrFunction;
    dlg.m_existingNames = RowNames(); // the row's own name counts as taken too
    if (dlg.DoModal() != kIdOk || !dlg.m_bAccepted)
        return;
    m_listCodes->SetItemText(row, 1, dlg.m_strName);
}

void CDlgIREditLib::OnBnClickedDeleteFunction() {
    const int row = m_listCodes->GetFirstSelectedItem();
    if (row < 0) {
        prompt::MessageBox("Please select a Item for list");
        return;
    }
    m_listCodes->DeleteItem(row);
    const int left = m_listCodes->GetItemCount();
    if (left > 0)
        m_listCodes->SelectItem(row == left ? left - 1 : row);
    m_listCodes->SortAndRenumber();
}

void CDlgIREditLib::UpdateLibFromList() {
    m_strLibName = shown::EditText(m_editLibName);
    m_arrFunctions.clear();
    for (int row = 0; row < m_listCodes->GetItemCount(); ++row)
        m_arrFunctions.push_back(m_listCodes->GetItemLine(row));
    m_irLib.m_strName = m_strLibName;
    m_irLib.m_arrFunctions = m_arrFunctions;
}

bool CDlgIREditLib::CanSave() {
    if (txt::IsBlank(shown::EditText(m_editLibName))) {
        prompt::MessageBox("Please Create a new lib name");
        return false;
    }
    if (m_listCodes->GetItemCount() == 0) {
        prompt::MessageBox("Please Create a new function");
        return false;
    }
    return true;
}

bool CDlgIREditLib::WriteLibrary(const QString& path) {
    if (m_irLib.SaveToFile(path))
        return true;
    // The learned codes exist only in the list until they are written: a
    // save that did not happen must not pass for one that did.
    prompt::MessageBox("Can Not Open The File");
    return false;
}

void CDlgIREditLib::OnBnClickedSaveEdit() {
    if (!CanSave())
        return;
    UpdateLibFromList();
    // The name comes from the name prompt or from a library file; one that
    // cannot be a file name would write outside the Library folder.
    if (!IsPlainFileName(m_irLib.m_strName)) {
        prompt::MessageBox("The name can not be used as a file name");
        return;
    }
    WriteLibrary(GetLibraryFilePath(m_irLib.m_strName + ".irr"));
}

void CDlgIREditLib::OnBnClickedSaveNameAs() {
    if (!CanSave())
        return;
    UpdateLibFromList();
    const std::optional<QString> path = ChooseLibraryFile(QStringLiteral("irr"), true);
    if (path)
        WriteLibrary(*path);
}

void CDlgIREditLib::OnBnClickedLearn() {
    if (!m_pLink || !m_pLink->IsLinkOpen()) {
        prompt::MessageBox("Please Open Com");
        return;
    }
    m_pLink->StartIrLearning();
    m_learnTimer.start(Timing().learnButtonMs);
    m_btnLearn->setEnabled(false);
}

void CDlgIREditLib::OnTimer() {
    m_learnTimer.stop();
    m_btnLearn->setEnabled(true);
}

void CDlgIREditLib::OnLearnData(const char* frame, int length) {
    if (!frame || length <= 0)
        return;
    // The frame is only read: CQvmCmd in receive mode never writes.
    const CQvmCmd cmd(1, const_cast<char*>(frame), length);
    const std::string code = cmd.GetLearnedIrHex();
    // A frame too short to hold the whole code would blank the row's code.
    if (code.empty())
        return;
    const int row = m_listCodes->GetFirstSelectedItem();
    if (row >= 0 && row < m_listCodes->GetItemCount())
        m_listCodes->SetItemText(row, 2, code);
}

void CDlgIREditLib::done(int result) {
    m_learnTimer.stop();
    if (m_pLink)
        m_pLink->StopIrLearning();
    ModalDialog::done(result);
}

std::vector<std::string> CDlgIREditLib::RowNames() const {
    std::vector<std::string> names;
    for (int row = 0; row < m_listCodes->GetItemCount(); ++row)
        names.push_back(m_listCodes->GetItemText(row, 1));
    return names;
}
