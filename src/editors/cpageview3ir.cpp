#include "editors/cpageview3ir.h"

#include "controls/dialoglayout.h"
#include "controls/showntext.h"
#include "editors/cdlgireditlib.h"
#include "editors/libraryfiles.h"
#include "editors/slidereditpair.h"
#include "model/cqvmeventstr.h"
#include "platform/programpaths.h"
#include "platform/prompter.h"
#include "platform/textutil.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <algorithm>

namespace {

constexpr int kCountMin = 1;
constexpr int kCountMax = 99;
// The number of hex digits of an IR code, written "%02x" into every event.
constexpr int kIrCodeDigits = 198;

SliderEditPair::Setup CountSetup() {
    SliderEditPair::Setup setup;
    setup.minimum = kCountMin;
    setup.maximum = kCountMax;
    setup.startPosition = kCountMin;
    setup.emptyPosition = kCountMin;
    setup.aboveMaximum = SliderEditPair::AboveMaximum::KeepText;
    return setup;
}

} // namespace

const PortTable CPageView3Ir::kPortTable = {{
    {{false, true, true}, true, "Port 2 and port 3 are unavailable in this setting,\rplease select port 1"},
    {{false, false, true}, false, "Port 3 is unavailable in this setting,\rplease select port 1 or 2"},
    {{false, true, false}, false, "Port 2 is unavailable in this setting,\rplease select port 1 or 3"},
    {{false, false, false}, false, ""},
}};

CPageView3Ir::CPageView3Ir(QWidget* parent) : EventPage(parent) {
    AddLabel("Lib Name:", 0, 10, 10, 44);
    m_editLibName = AddEdit(1097, 58, 8, 84, 12);
    MakeReadOnly(m_editLibName);
    m_btnChangeLib = AddButton("Change Lib", 1045, 148, 7, 46);
    m_btnEditLib = AddButton("Edit Lib", 1044, 198, 7, 46);

    AddLabel("Function:", 0, 10, 28, 44);
    m_comboFunction = AddCombo(1098, 58, 26, 136);
    AddLabel("Active:", 0, 10, 46, 44);
    m_comboActive = AddCombo(1099, 58, 44, 70);
    AddLabel("Carrier", 0, 140, 46, 30);
    m_comboCarrier = AddCombo(1100, 174, 44, 50);
    AddLabel("Port", 0, 10, 64, 44);
    m_comboPort = AddCombo(1107, 58, 62, 70);

    m_labelRepeat = AddLabel("Send No. of Transmission Strings", 1101, 10, 84, 118);
    m_sliderRepeat = AddSlider(1102, 130, 82, 80);
    m_editRepeat = AddEdit(1103, 214, 82, 26, 12);
    m_labelDelay = AddLabel("Delay Time between String", 1104, 10, 102, 118);
    m_sliderDelay = AddSlider(1105, 130, 100, 80);
    m_editDelay = AddEdit(1106, 214, 100, 26, 12);

    m_btnAdd = AddButton("Add", 1093, 136, 122);
    m_btnEdit = AddButton("Edit", 1094, 192, 122);

    OnInitDialog();
    // A re-loaded event may leave a box without a selection (send mode 2
    // has no entry). Its -1 would reach the device as port 0, carrier "-1"
    // or send mode 0, none of which it has: refused, as on the RS232 page.
    RequireSelection(m_comboPort, "no selecte port");
    RequireSelection(m_comboCarrier, "Please select the carrier");
    RequireSelection(m_comboActive, "Please select the send mode");

    connect(m_btnAdd, &QPushButton::clicked, this, &CPageView3Ir::OnBnClickedAdd);
    connect(m_btnEdit, &QPushButton::clicked, this, &CPageView3Ir::OnBnClickedEdit);
    connect(m_btnChangeLib, &QPushButton::clicked, this, &CPageView3Ir::OnBnClickedChangeLib);
    connect(m_btnEditLib, &QPushButton::clicked, this, &CPageView3Ir::OnBnClickedEditLib);
    // The user's choices only: LoadEvent sets the send mode itself.
    connect(m_comboActive, &QComboBox::activated, this, &CPageView3Ir::OnCbnSelchangeComboActive);
    DropKeys(true, true);
}

CPageView3Ir::~CPageView3Ir() = default;

void CPageView3Ir::OnInitDialog() {
    m_comboActive->addItems({"Send Once", "Send Multiple"});
    m_comboActive->setCurrentIndex(0);
    m_comboCarrier->addItems({"Off", "On"});
    m_comboCarrier->setCurrentIndex(1);
    m_comboPort->addItems({"Port 1", "Port 2", "Port 3"});
    m_comboPort->setCurrentIndex(0);
    m_comboFunction->setCurrentIndex(-1);
    m_repeat = std::make_unique<SliderEditPair>(m_sliderRepeat, m_editRepeat, CountSetup());
    m_delay = std::make_unique<SliderEditPair>(m_sliderDelay, m_editDelay, CountSetup());
    ShowSendMode(0);
}

void CPageView3Ir::ShowSendMode(int sendMode) {
    ShowSendModeControls(sendMode, {m_labelRepeat, m_sliderRepeat, m_editRepeat},
                         {m_labelDelay, m_sliderDelay, m_editDelay});
}

void CPageView3Ir::OnCbnSelchangeComboActive() {
    ShowSendMode(m_comboActive->currentIndex());
}

// ----- composing

std::string CPageView3Ir::FormatEventText(const std::string& libName, const std::string& entry, int port,
                                          int carrier, int sendMode, int count, int interval) {
    const size_t colon = entry.find(':');
    const std::string function =
        colon == std::string::npos ? std::string() : txt::Trim(std::string_view(entry).substr(0, colon));
    const std::string code =
        colon == std::string::npos ? entry : txt::TrimLeft(std::string_view(entry).substr(colon + 1));
    return "INFR : " + libName + " : " + function + " : " +
           txt::Format("%d : %d : %d : %d : %d : %02x : ", port, carrier, sendMode, count, interval,
                       kIrCodeDigits) +
           code;
}

std::string CPageView3Ir::BuildEventText() {
    return FormatEventText(m_irLib.m_strName, m_strFuncEntry, m_comboPort->currentIndex(),
                           m_comboCarrier->currentIndex(), m_comboActive->currentIndex(),
                           m_repeat->Position(), m_delay->Position());
}

int CPageView3Ir::LookupLibFunction() {
    const std::string library = EditText(m_editLibName, true);
    const std::string function = txt::Trim(ComboText(m_comboFunction));
    if (library.empty()) {
        prompt::MessageBox("Lib name is empty");
        return 0;
    }
    if (function.empty()) {
        prompt::MessageBox("Funciton name is empty");
        return 0;
    }
    const std::string fileName = library + ".irr";
    if (!IsFileInLibrary(fileName)) {
        prompt::MessageBox("No Such Lib");
        return 0;
    }
    m_irLib = CIrLibSet();
    if (ReadLibraryFile(m_irLib, GetLibraryFilePath(fileName)) != LibraryRead::Loaded) {
        prompt::MessageBox("the lib is destroyed");
        return 0;
    }
    const int index = m_irLib.FindFunction(function);
    if (index < 0) {
        prompt::MessageBox("No Such Function");
        return 0;
    }
    m_strFuncEntry = m_irLib.GetEntry(index);
    return 1;
}

bool CPageView3Ir::CheckPageData() {
    return LookupLibFunction() == 1;
}

bool CPageView3Ir::CheckPort(bool /*edit*/) {
    return CheckPortAvailable("IR selection port ", m_comboPort->currentIndex(), kPortTable);
}

// ----- the library

void CPageView3Ir::FillFunctions() {
    shown::FillSorted(m_comboFunction, m_irLib.FunctionNames());
}

void CPageView3Ir::OnBnClickedChangeLib() {
    if (!OpenLibraryFile(m_irLib, QStringLiteral("irr"), "The File is already destroyed", [this] {
            m_editLibName->clear();
            m_comboFunction->clear();
            m_irLib = {};
        }))
        return;
    SetEditText(m_editLibName, m_irLib.m_strName);
    FillFunctions();
    if (m_comboFunction->count() > 0)
        m_comboFunction->setCurrentIndex(0);
}

void CPageView3Ir::OnBnClickedEditLib() {
    CDlgIREditLib dlg(this, Host() ? Host()->LearnLink() : nullptr);
    dlg.m_strLibName = EditText(m_editLibName, true);
    dlg.m_strFunctionName = txt::Trim(ComboText(m_comboFunction));
    dlg.DoModal();
}

// ----- re-loading

void CPageView3Ir::LoadEvent(std::string text) {
    const CQvmEventStr event(text);
    const std::string library = event.GetIrLibName();
    SetEditText(m_editLibName, library);

    m_comboFunction->clear();
    m_irLib = CIrLibSet();
    const std::string fileName = library + ".irr";
    if (IsFileInLibrary(fileName)) {
        const LibraryRead read = ReadLibraryFile(m_irLib, GetLibraryFilePath(fileName));
        if (read == LibraryRead::Loaded)
            FillFunctions();
        else if (read == LibraryRead::Damaged)
            prompt::MessageBox("the lib is destroyed");
    }
    SelectByText(m_comboFunction, event.GetIrFunction());

    const long sendMode = FieldNumber(event.GetIrSendMode());
    SelectByIndex(m_comboActive, sendMode);
    SelectByIndex(m_comboPort, FieldNumber(event.GetIrPort()));
    SelectByIndex(m_comboCarrier, FieldNumber(event.GetIrCarrier()));

    // An empty field shows 1, like a fresh page.
    const std::string count = event.GetIrCount();
    const std::string interval = event.GetIrInterval();
    m_repeat->Load(count.empty() ? "1" : count);
    m_delay->Load(interval.empty() ? "1" : interval);

    ShowSendMode(int(std::clamp<long>(sendMode, -1, 3)));
    update();
}
