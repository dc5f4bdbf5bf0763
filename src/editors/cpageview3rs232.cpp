#include "editors/cpageview3rs232.h"

#include "controls/crs232edit.h"
#include "controls/dialoglayout.h"
#include "controls/showntext.h"
#include "editors/cdlgrs232editlib.h"
#include "editors/libraryfiles.h"
#include "editors/serialdatacontrols.h"
#include "editors/serialeventtext.h"
#include "model/cqvmeventstr.h"
#include "platform/programpaths.h"
#include "platform/prompter.h"
#include "platform/textutil.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <algorithm>
#include <climits>

namespace {

constexpr int kPairMinimum = 1;
constexpr int kPairMaximum = 99;

// A field's number as an int; numbers beyond an int's range saturate.
int FieldInt(const std::string& field) {
    return int(std::clamp<long>(EventPage::FieldNumber(field), INT_MIN, INT_MAX));
}

} // namespace

CPageView3Rs232::CPageView3Rs232(QWidget* parent) : EventPage(parent) {
    AddLabel("Lib Name:", 0, 4, 4, 36);
    m_editLibName = AddEdit(1039, 42, 2, 76, 12);
    MakeReadOnly(m_editLibName);
    AddLabel("Lib Function:", 0, 124, 4, 48);
    m_comboLibFunction = AddCombo(1041, 174, 2, 72);
    m_btnChangeLib = AddButton("Change Lib", 1045, 4, 17, 54, 13);
    m_btnEditLib = AddButton("Edit Lib", 1044, 64, 17, 54, 13);
    AddLabel("Event Name", 0, 124, 19, 48);
    m_editEventName = AddEdit(1180, 174, 17, 72, 12);

    AddLabel("Baud Rate:", 0, 4, 32, 58, 9);
    m_comboBaud = AddCombo(1176, 4, 41, 58);
    AddLabel("Data Bit:", 0, 66, 32, 58, 9);
    m_comboDataBit = AddCombo(1178, 66, 41, 58);
    AddLabel("Stop Bit:", 0, 128, 32, 58, 9);
    m_comboStopBit = AddCombo(1177, 128, 41, 58);
    AddLabel("Parity:", 0, 190, 32, 56, 9);
    m_comboParity = AddCombo(1179, 190, 41, 56);

    AddGroup("Format", 0, 4, 55, 70, 30);
    m_radioAscii = AddRadio("ascii", 1171, 10, 68, 32);
    m_radioHex = AddRadio("hex", 1172, 46, 68, 24);
    m_staticEndChar = AddGroup("End Char For Ascii Format", 1136, 78, 55, 168, 30);
    // Laid out None, Carriage Return, Enter; the codes follow the group
    // order None (0), Enter (1: CR), Carriage Return (2: CR LF).
    m_radioEndNone = AddRadio("None", 1173, 84, 68, 30);
    m_radioEndCrLf = AddRadio("Carriage Return", 1174, 118, 68, 74);
    m_radioEndCr = AddRadio("Enter", 1175, 196, 68, 40);
    AddLabel("Data:", 0, 4, 91, 22);
    m_editData = Place(new CRS232Edit(this), 1082, 28, 89, 170, 12);
    m_btnClear = AddButton("Clear", 1092, 202, 88, 44, 13);
    m_data = std::make_unique<SerialDataControls>(
        SerialDataControls::Controls{m_radioAscii, m_radioHex, m_staticEndChar, m_radioEndNone, m_radioEndCr,
                                     m_radioEndCrLf, m_editData},
        m_nFormat, m_nEndChar, this);

    AddLabel("Active:", 0, 4, 106, 26);
    m_comboActive = AddCombo(1042, 32, 104, 64);
    AddLabel("Port:", 0, 102, 106, 20);
    m_comboPort = AddCombo(1043, 124, 104, 44);
    m_btnAdd = AddButton("Add", 1072, 174, 103, 34, 13);
    m_btnEdit = AddButton("Edit", 1073, 212, 103, 34, 13);

    m_staticRepeat = AddLabel("Send No. of Transmission Strings", 1050, 4, 119, 120, 9);
    m_sliderRepeat = AddSlider(1046, 4, 128, 90, 12);
    m_editRepeat = AddEdit(1048, 96, 128, 26, 12);
    m_staticDelay = AddLabel("Delay Time between String", 1051, 128, 119, 118, 9);
    m_sliderDelay = AddSlider(1047, 128, 128, 90, 12);
    m_editDelay = AddEdit(1049, 220, 128, 26, 12);

    RefuseColons(m_editEventName);

    connect(m_comboActive, &QComboBox::activated, this, &CPageView3Rs232::OnCbnSelchangeComboActive);
    connect(m_btnEditLib, &QPushButton::clicked, this, &CPageView3Rs232::OnBnClickedEditLib);
    connect(m_btnChangeLib, &QPushButton::clicked, this, &CPageView3Rs232::OnBnClickedChangeLib);
    connect(m_comboLibFunction, &QComboBox::activated, this,
            &CPageView3Rs232::OnCbnSelchangeComboLibFunction);
    connect(m_comboDataBit, &QComboBox::activated, this, &CPageView3Rs232::OnCbnSelchangeComboDataBit);
    connect(m_radioAscii, &QRadioButton::clicked, this, &CPageView3Rs232::OnBnClickedRadioAscii);
    connect(m_radioHex, &QRadioButton::clicked, this, &CPageView3Rs232::OnBnClickedRadioHex);
    connect(m_btnClear, &QPushButton::clicked, this, &CPageView3Rs232::OnBnClickedClear);
    connect(m_btnAdd, &QPushButton::clicked, this, &CPageView3Rs232::OnBnClickedAdd);
    connect(m_btnEdit, &QPushButton::clicked, this, &CPageView3Rs232::OnBnClickedEdit);

    // Without a port or send mode the event would go out on port 1 once,
    // whatever the port mode allows: refused instead, naming the list.
    RequireSelection(m_comboPort, "no selecte port");
    RequireSelection(m_comboActive, "Please select the send mode");
    OnInitDialog();
    DropKeys(true, false);
}

void CPageView3Rs232::OnInitDialog() {
    m_comboActive->addItems({"Send Once", "Send Multiple"});
    m_comboActive->setCurrentIndex(0);
    m_comboPort->addItems({"Port 1", "Port 2", "Port 3"});
    m_comboPort->setCurrentIndex(0);

    SliderEditPair::Setup pair;
    pair.minimum = kPairMinimum;
    pair.maximum = kPairMaximum;
    pair.startPosition = kPairMinimum;
    pair.emptyPosition = kPairMinimum;
    pair.aboveMaximum = SliderEditPair::AboveMaximum::KeepText;
    m_pairRepeat = new SliderEditPair(m_sliderRepeat, m_editRepeat, pair, this);
    m_pairDelay = new SliderEditPair(m_sliderDelay, m_editDelay, pair, this);

    FillSerialSettingCombos(m_comboBaud, m_comboDataBit, m_comboStopBit, m_comboParity);

    m_nFormat = 0;
    m_nEndChar = 0;
    UpdateData(false);
    m_comboLibFunction->setCurrentIndex(-1);
    // The repeat and delay controls start hidden, as "Send Once" wants.
    ShowSendModeControls(0, RepeatControls(), DelayControls());
}

std::array<QWidget*, 3> CPageView3Rs232::RepeatControls() const {
    return {m_staticRepeat, m_sliderRepeat, m_editRepeat};
}

std::array<QWidget*, 3> CPageView3Rs232::DelayControls() const {
    return {m_staticDelay, m_sliderDelay, m_editDelay};
}

void CPageView3Rs232::UpdateData(bool saveAndValidate) {
    if (saveAndValidate)
        m_data->Read();
    else
        m_data->Write();
}

// ----- send mode and serial settings

void CPageView3Rs232::OnCbnSelchangeComboActive() {
    UpdateData(true);
    ShowSendModeControls(m_comboActive->currentIndex(), RepeatControls(), DelayControls());
}

void CPageView3Rs232::OnCbnSelchangeComboDataBit() {
    FillCombo(m_comboParity,
              ComboText(m_comboDataBit) == "7" ? serialtext::kParitiesSevenBits : serialtext::kParities);
    m_comboParity->setCurrentIndex(0);
}

// ----- data

void CPageView3Rs232::OnBnClickedRadioAscii() {
    m_data->OnAsciiClicked();
}

void CPageView3Rs232::OnBnClickedRadioHex() {
    m_data->OnHexClicked(false);
}

void CPageView3Rs232::OnBnClickedClear() {
    m_editData->clear();
}

// ----- libraries

LibraryRead CPageView3Rs232::LoadLibrary(const std::string& name) {
    m_rsLib = CRS232LibSet();
    // A name that is no plain file name names no file of the Library folder.
    if (!IsPlainFileName(name))
        return LibraryRead::Unreadable;
    return ReadLibraryFile(m_rsLib, GetLibraryFilePath(name + ".rss"));
}

void CPageView3Rs232::OnBnClickedChangeLib() {
    if (!OpenLibraryFile(m_rsLib, QStringLiteral("rss"), "The File is already destroyed", [this] {
            m_editLibName->clear();
            m_comboLibFunction->clear();
            m_rsLib = {};
        }))
        return;
    SetEditText(m_editLibName, m_rsLib.m_strName);
    shown::FillSorted(m_comboLibFunction, m_rsLib.FunctionNames());
    m_comboLibFunction->setCurrentIndex(m_comboLibFunction->count() > 0 ? 0 : -1);
    OnCbnSelchangeComboLibFunction();
}

bool CPageView3Rs232::LookupLibFunction() {
    UpdateData(true);
    const std::string library = EditText(m_editLibName, true);
    const std::string function = txt::Trim(ComboText(m_comboLibFunction));
    if (library.empty()) {
        prompt::MessageBox("Lib name is empty");
        return false;
    }
    if (function.empty()) {
        prompt::MessageBox("Funciton name is empty");
        return false;
    }
    if (!IsFileInLibrary(library + ".rss")) {
        prompt::MessageBox("No Such Lib");
        return false;
    }
    if (LoadLibrary(library) != LibraryRead::Loaded) {
        prompt::MessageBox("the lib is destroyed");
        return false;
    }
    const int i = m_rsLib.FindFunction(function);
    if (i < 0) {
        prompt::MessageBox("No Such Function");
        return false;
    }
    m_rsFun = m_rsLib.m_arrFunctions[size_t(i)];
    return true;
}

void CPageView3Rs232::OnCbnSelchangeComboLibFunction() {
    UpdateData(true);
    if (!LookupLibFunction())
        return;
    SelectByText(m_comboBaud, m_rsFun.m_strBaud);
    SelectByText(m_comboDataBit, m_rsFun.m_strDataBits);
    SelectByText(m_comboStopBit, m_rsFun.m_strStopBits);
    SelectParity(m_comboParity, m_rsFun.m_strParity, false);
    const bool ascii = m_rsFun.m_nFormat == CRS232LibFun::kFormatAscii;
    m_data->ShowEndChar(ascii);
    m_nFormat = ascii ? CRS232LibFun::kFormatAscii : CRS232LibFun::kFormatHex;
    m_nEndChar = m_rsFun.m_nEndChar;
    SetEditText(m_editData, m_rsFun.GetDataText());
    UpdateData(false);
    m_data->SetTypingMode(m_nFormat);
    update();
}

void CPageView3Rs232::OnBnClickedEditLib() {
    CDlgRs232EditLib editor(this, EditText(m_editLibName), ComboText(m_comboLibFunction));
    editor.DoModal();
    UpdateData(false);
}

// ----- Add, Edit and the event text

bool CPageView3Rs232::CheckPageData() {
    if (txt::IsBlank(EditText(m_editData))) {
        prompt::MessageBox("Please input data or select RS232 lib");
        return false;
    }
    return true;
}

bool CPageView3Rs232::CheckPort(bool edit) {
    UpdateData(true);
    return CheckPortAvailable(edit ? "RS232 selection port " : "Rs232 selection port ",
                              m_comboPort->currentIndex(), serialtext::kRs232PortTable);
}

void CPageView3Rs232::StoreCurrentKeyAction() {
    if (const EventPageHost* host = Host()) {
        m_nKey = host->SelectedKey();
        m_nSlot = host->SelectedSlot();
    }
}

void CPageView3Rs232::OnBnClickedAdd() {
    if (!CheckPageData() || !CheckActionList() || !CheckPort(false) || !CheckSelections())
        return;
    const std::string text = BuildEventText();
    StoreCurrentKeyAction();
    HandOverAdd(text);
}

void CPageView3Rs232::OnBnClickedEdit() {
    if (!CheckPageData() || !CheckEventList() || !CheckEventSelected() || !CheckActionList() ||
        !CheckPort(true) || !CheckSelections())
        return;
    const std::string text = BuildEventText();
    StoreCurrentKeyAction();
    HandOverEdit(text);
}

std::string CPageView3Rs232::BuildEventText() {
    UpdateData(true);
    serialtext::UartFields f;
    f.eventName = EditText(m_editEventName);
    f.libName = EditText(m_editLibName);
    f.function = ComboText(m_comboLibFunction);
    f.baud = ComboText(m_comboBaud);
    f.dataBits = ComboText(m_comboDataBit);
    f.stopBits = ComboText(m_comboStopBit);
    f.parity = ComboText(m_comboParity);
    f.format = m_nFormat;
    f.endChar = m_nEndChar;
    f.port = std::max(m_comboPort->currentIndex(), 0);
    f.sendMode = std::max(m_comboActive->currentIndex(), 0);
    f.count = m_pairRepeat->Position();
    f.interval = m_pairDelay->Position();
    f.data = EditText(m_editData);
    return serialtext::ComposeUartText(f);
}

// ----- re-loading

void CPageView3Rs232::LoadEvent(std::string text) {
    const CQvmEventStr event(text);
    const std::string library = event.GetRsLibName();
    SetEditText(m_editLibName, library);

    m_comboLibFunction->clear();
    switch (LoadLibrary(library)) {
    case LibraryRead::Loaded:
        shown::FillSorted(m_comboLibFunction, m_rsLib.FunctionNames());
        break;
    case LibraryRead::Damaged:
        // A missing or unreadable library goes unmentioned; a damaged one
        // would otherwise look like a library without functions.
        prompt::MessageBox("the lib is destroyed");
        break;
    case LibraryRead::Unreadable:
        break;
    }
    m_comboLibFunction->setCurrentIndex(-1);
    SelectByText(m_comboLibFunction, event.GetRsFunction());

    SelectByText(m_comboBaud, event.GetRsBaud());
    if (const auto bits = serialtext::TextOfCode(serialtext::kDataBits, event.GetRsDataBits()))
        SelectByText(m_comboDataBit, *bits);
    if (const auto stop = serialtext::TextOfCode(serialtext::kStopBits, event.GetRsStopBits()))
        SelectByText(m_comboStopBit, *stop);
    if (const auto parity = serialtext::TextOfCode(serialtext::kParities, event.GetRsParity()))
        SelectParity(m_comboParity, *parity, false);

    const bool ascii = FieldNumber(event.GetRsFormat()) == 0;
    m_data->ShowEndChar(ascii);
    m_nFormat = ascii ? CRS232LibFun::kFormatAscii : CRS232LibFun::kFormatHex;
    m_nEndChar = FieldInt(event.GetRsEndChar());

    SetEditText(m_editData, event.GetRsData());
    SetEditText(m_editEventName, event.GetRsEventName());
    SelectByIndex(m_comboActive, FieldNumber(event.GetRsSendMode()));
    SelectByIndex(m_comboPort, FieldNumber(event.GetRsPort()));

    // An empty field puts the pair at 1.
    const std::string count = event.GetRsCount();
    const std::string interval = event.GetRsInterval();
    m_pairRepeat->Load(count.empty() ? "1" : count);
    m_pairDelay->Load(interval.empty() ? "1" : interval);
    ShowSendModeControls(FieldInt(event.GetRsSendMode()), RepeatControls(), DelayControls());

    UpdateData(false);
    m_data->SetTypingMode(m_nFormat);
    update();
}
