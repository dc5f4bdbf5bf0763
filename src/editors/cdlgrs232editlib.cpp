#include "editors/cdlgrs232editlib.h"

#include "controls/crs232edit.h"
#include "controls/dialoglayout.h"
#include "controls/showntext.h"
#include "editors/cdlgnewname.h"
#include "editors/libraryfiles.h"
#include "editors/serialdatacontrols.h"
#include "editors/serialeventtext.h"
#include "platform/programpaths.h"
#include "platform/prompter.h"
#include "platform/textutil.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int kDataEditMaxChars = 96;

} // namespace

CDlgRs232EditLib::CDlgRs232EditLib(QWidget* parent, const std::string& library, const std::string& function)
    : ModalDialog(parent), m_strLib(library), m_strFunction(function) {
    DialogLayout layout(this);
    // Enter presses none of the buttons but OK.
    layout.NoAutoDefaultButtons();
    setWindowTitle(QStringLiteral("Edit Rs232Lib"));
    setObjectName(QStringLiteral("150"));
    setFixedSize(layout.Units().Size(322, 208));
    SwallowKeys(true, true);

    layout.Label("RS232 Lib Name:", 0, 10, 12, 62);
    m_editLibName = layout.Edit(1039, 74, 10, 100);
    MakeReadOnly(m_editLibName);
    m_btnOpenLib = layout.Button("Open Lib", 1025, 182, 10, 60);
    m_btnNewLib = layout.Button("New Lib", 1026, 250, 10, 60);

    layout.Label("Function:", 0, 10, 34, 62);
    m_comboFunction = layout.Combo(1074, 74, 32, 100);
    m_btnNewFunction = layout.Button("New Function", 1027, 182, 32, 60);
    m_btnDeleteFunction = layout.Button("Delete Function", 1076, 250, 32, 60);

    layout.Group("Data Format", 0, 10, 54, 90, 42);
    m_radioAscii = layout.Radio("ASCII", 1077, 18, 67, 70);
    m_radioHex = layout.Radio("Hex", 1078, 18, 80, 70);
    m_staticEndChar = layout.Group("End Char For ASCII Format", 1083, 108, 54, 202, 42);
    m_radioEndNone = layout.Radio("None", 1079, 116, 73, 44);
    m_radioEndCr = layout.Radio("Carriage return", 1080, 164, 73, 78);
    m_radioEndCrLf = layout.Radio("Enter", 1081, 250, 73, 52);
    layout.Label("Data:", 0, 10, 106, 24);
    m_editData = layout.Place(new CRS232Edit(this), 1082, 36, 104, 206, 14);
    m_btnClear = layout.Button("Clear", 1088, 250, 104, 60);
    m_data = std::make_unique<SerialDataControls>(
        SerialDataControls::Controls{m_radioAscii, m_radioHex, m_staticEndChar, m_radioEndNone, m_radioEndCr,
                                     m_radioEndCrLf, m_editData},
        m_nFormat, m_nEndChar, this);

    layout.Group("UART", 0, 10, 126, 300, 50);
    layout.Label("Baud Rate:", 0, 18, 141, 44);
    m_comboBaud = layout.Combo(1075, 64, 139, 70);
    layout.Label("Data Bit:", 0, 164, 141, 44);
    m_comboDataBit = layout.Combo(1084, 210, 139, 70);
    layout.Label("Stop Bit:", 0, 18, 159, 44);
    m_comboStopBit = layout.Combo(1085, 64, 157, 70);
    layout.Label("Parity:", 0, 164, 159, 44);
    m_comboParity = layout.Combo(1179, 210, 157, 70);

    m_btnSaveEdit = layout.Button("Save Edit", 1086, 10, 186, 60);
    m_btnSaveNameAs = layout.Button("Save Name as", 1087, 78, 186, 60);
    m_btnOk = layout.Button("OK", 1, 182, 186, 60);
    m_btnOk->setDefault(true);
    m_btnCancel = layout.Button("Cancel", 2, 250, 186, 60);

    connect(m_radioAscii, &QRadioButton::clicked, this, &CDlgRs232EditLib::OnBnClickedRadioAscii);
    connect(m_radioHex, &QRadioButton::clicked, this, &CDlgRs232EditLib::OnBnClickedRadioHex);
    connect(m_btnNewLib, &QPushButton::clicked, this, &CDlgRs232EditLib::OnBnClickedNewLib);
    connect(m_btnNewFunction, &QPushButton::clicked, this, &CDlgRs232EditLib::OnBnClickedNewFunction);
    connect(m_btnSaveEdit, &QPushButton::clicked, this, &CDlgRs232EditLib::OnBnClickedSaveEdit);
    // Only the user's choices count as selection changes.
    connect(m_comboFunction, &QComboBox::activated, this, &CDlgRs232EditLib::OnCbnSelchangeComboFunction);
    connect(m_btnOpenLib, &QPushButton::clicked, this, &CDlgRs232EditLib::OnBnClickedOpenLib);
    connect(m_btnDeleteFunction, &QPushButton::clicked, this, &CDlgRs232EditLib::OnBnClickedDeleteFunction);
    connect(m_btnClear, &QPushButton::clicked, this, &CDlgRs232EditLib::OnBnClickedClear);
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_btnSaveNameAs, &QPushButton::clicked, this, &CDlgRs232EditLib::OnBnClickedSaveNameAs);
    connect(m_comboDataBit, &QComboBox::activated, this, &CDlgRs232EditLib::OnCbnSelchangeComboDataBit);
}

void CDlgRs232EditLib::OnInitDialog() {
    FillSerialSettingCombos(m_comboBaud, m_comboDataBit, m_comboStopBit, m_comboParity);

    m_nFormat = 0;
    m_nEndChar = 0;
    UpdateData(false);
    // The user types at most 96 characters; the 33 bytes of a function read
    // from a file still show whole as hex (98 characters).
    m_editData->SetLimitText(kDataEditMaxChars);

    LoadLibAndSelect(m_strLib, m_strFunction);
    UpdateData(false);
    m_data->SetTypingMode(m_nFormat);
}

void CDlgRs232EditLib::UpdateData(bool saveAndValidate) {
    if (saveAndValidate)
        m_data->Read();
    else
        m_data->Write();
}

void CDlgRs232EditLib::LoadLibAndSelect(const std::string& library, const std::string& function) {
    m_comboFunction->clear();
    const std::string lib = txt::Trim(library);
    const std::string name = txt::Trim(function);
    UpdateData(true);
    // The name may come from a library file: one that is no plain file name
    // would reach outside the Library folder, so it counts as missing.
    if (lib.empty() || !IsPlainFileName(lib))
        return;
    switch (ReadLibraryFile(m_rsLib, GetLibraryFilePath(lib + ".rss"))) {
    case LibraryRead::Loaded:
        break;
    case LibraryRead::Damaged:
        prompt::MessageBox("Can Not Open The File");
        return;
    case LibraryRead::Unreadable:
        return;
    }
    shown::SetEditText(m_editLibName, m_rsLib.m_strName);
    if (m_rsLib.m_arrFunctions.empty())
        return;
    FillFunctionCombo(name);
    // The function shown is always the one the list selects, so that a save
    // rewrites the function whose data the controls hold.
    ShowListedFunction();
}

void CDlgRs232EditLib::FillFunctionCombo(const std::string& name) {
    if (m_rsLib.m_arrFunctions.empty())
        return;
    shown::FillSorted(m_comboFunction, m_rsLib.FunctionNames());
    m_comboFunction->setCurrentIndex(0);
    if (!name.empty())
        shown::SelectItem(m_comboFunction, name, false);
}

bool CDlgRs232EditLib::ShowListedFunction() {
    const int i = m_rsLib.FindFunction(shown::CurrentText(m_comboFunction));
    if (i < 0)
        return false;
    if (m_rsLib.m_arrFunctions[size_t(i)].m_nFormat == CRS232LibFun::kFormatAscii)
        ShowAsciiFunction(i);
    else
        ShowHexFunction(i);
    return true;
}

void CDlgRs232EditLib::SelectSerialSettings(const CRS232LibFun& fun) {
    shown::SelectItem(m_comboBaud, fun.m_strBaud, true);
    shown::SelectItem(m_comboDataBit, fun.m_strDataBits, true);
    shown::SelectItem(m_comboStopBit, fun.m_strStopBits, true);
    SelectParity(m_comboParity, fun.m_strParity, true);
}

void CDlgRs232EditLib::ShowAsciiFunction(int i) {
    if (i < 0 || i >= int(m_rsLib.m_arrFunctions.size()))
        return;
    const CRS232LibFun& fun = m_rsLib.m_arrFunctions[size_t(i)];
    m_nFormat = CRS232LibFun::kFormatAscii;
    m_nEndChar = fun.m_nEndChar;
    m_data->ShowEndChar(true);
    shown::SetEditText(m_editData, fun.GetDataText());
    SelectSerialSettings(fun);
    // The typing filter follows the format shown.
    m_data->SetTypingMode(m_nFormat);
}

void CDlgRs232EditLib::ShowHexFunction(int i) {
    if (i < 0 || i >= int(m_rsLib.m_arrFunctions.size()))
        return;
    const CRS232LibFun& fun = m_rsLib.m_arrFunctions[size_t(i)];
    m_nFormat = CRS232LibFun::kFormatHex;
    m_data->ShowEndChar(false);
    shown::SetEditText(m_editData, fun.GetDataText());
    SelectSerialSettings(fun);
    m_data->SetTypingMode(m_nFormat);
}

void CDlgRs232EditLib::AsciiToHex() {
    m_data->ConvertToHex(true);
}

void CDlgRs232EditLib::OnBnClickedRadioAscii() {
    m_data->SetTypingMode(CRS232LibFun::kFormatAscii);
    if (m_nFormat != CRS232LibFun::kFormatAscii) {
        UpdateData(true);
        const int i = m_rsLib.FindFunction(shown::CurrentText(m_comboFunction));
        if (i >= 0 && m_rsLib.m_arrFunctions[size_t(i)].m_nFormat == CRS232LibFun::kFormatAscii) {
            ShowAsciiFunction(i);
        } else {
            // Typed hex is not turned back into text.
            m_editData->clear();
            m_data->ShowEndChar(true);
        }
        UpdateData(false);
    }
    UpdateData(true);
}

void CDlgRs232EditLib::OnBnClickedRadioHex() {
    // The text is trimmed before it turns into hex pairs.
    m_data->OnHexClicked(true);
}

void CDlgRs232EditLib::OnBnClickedOpenLib() {
    // A library that cannot be opened changes nothing the editor shows: the
    // work in it may not have been saved yet.
    if (!OpenLibraryFile(m_rsLib, QStringLiteral("rss"), "Can Not Open The File"))
        return;
    shown::SetEditText(m_editLibName, m_rsLib.m_strName);
    m_comboFunction->clear();
    FillFunctionCombo({});
    OnCbnSelchangeComboFunction();
}

void CDlgRs232EditLib::OnBnClickedNewLib() {
    CDlgNewName prompt(this);
    prompt.m_nMode = CDlgNewName::kModeRs232Lib;
    if (prompt.DoModal() != kIdOk || !prompt.m_bAccepted)
        return;
    shown::SetEditText(m_editLibName, prompt.m_strName);
    m_comboFunction->clear();
    UpdateData(false);
    m_rsLib = CRS232LibSet();
    m_rsLib.m_strName = prompt.m_strName;
}

void CDlgRs232EditLib::OnBnClickedNewFunction() {
    CDlgNewName prompt(this);
    prompt.m_nMode = CDlgNewName::kModeRs232Function;
    for (int i = 0; i < m_comboFunction->count(); ++i)
        prompt.m_existingNames.push_back(shown::ItemText(m_comboFunction, i));
    if (prompt.DoModal() != kIdOk || !prompt.m_bAccepted)
        return;
    const CRS232LibFun fun = FunctionFromControls(prompt.m_strName);
    m_comboFunction->setCurrentIndex(shown::AddSortedItem(m_comboFunction, prompt.m_strName));
    m_rsLib.m_arrFunctions.push_back(fun);
    ++m_rsLib.m_nCount;
}

void CDlgRs232EditLib::OnCbnSelchangeComboFunction() {
    ShowListedFunction();
    UpdateData(false);
}

void CDlgRs232EditLib::OnBnClickedDeleteFunction() {
    const std::string name = txt::Trim(shown::CurrentText(m_comboFunction));
    if (name.empty())
        return;
    const int i = m_rsLib.FindFunction(name);
    if (i < 0)
        return;
    m_rsLib.m_arrFunctions.erase(m_rsLib.m_arrFunctions.begin() + i);
    m_rsLib.m_nCount = std::max(0, m_rsLib.m_nCount - 1);
    m_comboFunction->removeItem(m_comboFunction->currentIndex());
    if (m_comboFunction->count() == 0)
        return;
    m_comboFunction->setCurrentIndex(0);
    if (ShowListedFunction())
        UpdateData(false);
}

void CDlgRs232EditLib::OnBnClickedClear() {
    m_editData->clear();
}

void CDlgRs232EditLib::OnCbnSelchangeComboDataBit() {
    FillCombo(m_comboParity, shown::CurrentText(m_comboDataBit) == "7" ? serialtext::kParitiesSevenBits
                                                                       : serialtext::kParities);
    m_comboParity->setCurrentIndex(0);
}

CRS232LibFun CDlgRs232EditLib::FunctionFromControls(const std::string& name) {
    UpdateData(true);
    CRS232LibFun fun;
    fun.m_strName = name;
    fun.m_strBaud = shown::CurrentText(m_comboBaud);
    fun.m_strDataBits = shown::CurrentText(m_comboDataBit);
    fun.m_strStopBits = shown::CurrentText(m_comboStopBit);
    fun.m_strParity = shown::CurrentText(m_comboParity);
    fun.m_nFormat = m_nFormat;
    fun.m_nEndChar = m_nEndChar;
    if (serialtext::SetFunctionData(fun, shown::EditText(m_editData))) {
        // Saved as the device takes it; the user learns what was kept.
        const bool hex = fun.m_nFormat != CRS232LibFun::kFormatAscii;
        const int kept = hex ? fun.m_nLength : fun.m_nLength - serialtext::EndByteCount(fun.m_nEndChar);
        prompt::MessageBox(txt::Format("The data is too long: only its first %d bytes are kept", kept));
    }
    return fun;
}

bool CDlgRs232EditLib::RewriteListedFunction() {
    if (txt::IsBlank(shown::EditText(m_editLibName))) {
        prompt::MessageBox("Please Create a new lib name");
        return false;
    }
    if (m_comboFunction->count() == 0) {
        prompt::MessageBox("Please Create a new function name");
        return false;
    }
    if (m_rsLib.m_arrFunctions.empty())
        return false;
    const std::string name = shown::CurrentText(m_comboFunction);
    const int i = m_rsLib.FindFunction(name);
    if (i < 0) {
        prompt::MessageBox("no item");
        return false;
    }
    m_rsLib.m_arrFunctions[size_t(i)] = FunctionFromControls(name);
    return true;
}

bool CDlgRs232EditLib::WriteLibrary(const QString& path) {
    if (m_rsLib.SaveToFile(path))
        return true;
    // The edits exist only in memory until written: a save that did not
    // happen must not pass for one that did.
    prompt::MessageBox("Can Not Open The File");
    return false;
}

void CDlgRs232EditLib::OnBnClickedSaveEdit() {
    if (!RewriteListedFunction())
        return;
    // The stored name may come from a library file opened anywhere; one
    // that is no plain file name would write outside the Library folder.
    if (!IsPlainFileName(m_rsLib.m_strName)) {
        prompt::MessageBox("The name can not be used as a file name");
        return;
    }
    WriteLibrary(GetLibraryFilePath(m_rsLib.m_strName + ".rss"));
}

void CDlgRs232EditLib::OnBnClickedSaveNameAs() {
    if (!RewriteListedFunction())
        return;
    if (const std::optional<QString> path = ChooseLibraryFile(QStringLiteral("rss"), true))
        WriteLibrary(*path);
}
