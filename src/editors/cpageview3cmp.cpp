#include "editors/cpageview3cmp.h"

#include "controls/crs232edit.h"
#include "controls/radiogroup.h"
#include "editors/serialdatacontrols.h"
#include "editors/serialeventtext.h"
#include "model/cqvmeventstr.h"
#include "model/crs232libfun.h"
#include "platform/textutil.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <climits>

namespace {

constexpr int kModeInclude = 0;
constexpr int kModeEqual = 1;

} // namespace

CPageView3Cmp::CPageView3Cmp(QWidget* parent) : EventPage(parent) {
    AddLabel("Port", 0, 4, 6, 30);
    m_comboPort = AddCombo(1116, 36, 4, 70);
    AddLabel("Event Name:", 0, 120, 6, 48);
    m_editEventName = AddEdit(1179, 170, 4, 76, 12);

    AddGroup("Format", 0, 4, 22, 70, 30);
    m_radioAscii = AddRadio("Ascii", 1117, 10, 35, 32);
    m_radioHex = AddRadio("Hex", 1118, 46, 35, 24);
    m_staticEndChar = AddGroup("End Char For ASCII Format", 1136, 78, 22, 168, 30);
    // Laid out None, Carriage Return, Enter; the codes follow the group
    // order None (0), Enter (1: CR), Carriage Return (2: CR LF).
    m_radioEndNone = AddRadio("None", 1119, 84, 35, 30);
    m_radioEndCrLf = AddRadio("Carriage Return", 1121, 118, 35, 74);
    m_radioEndCr = AddRadio("Enter", 1120, 196, 35, 40);
    AddLabel("Data:", 0, 4, 62, 22);
    m_editData = Place(new CRS232Edit(this), 1122, 28, 60, 166, 12);
    m_btnClearData = AddButton("Clear Data", 1092, 198, 59, 48, 13);
    m_data = std::make_unique<SerialDataControls>(
        SerialDataControls::Controls{m_radioAscii, m_radioHex, m_staticEndChar, m_radioEndNone, m_radioEndCr,
                                     m_radioEndCrLf, m_editData},
        m_nFormat, m_nEndChar, this);

    AddGroup("Compaer Mode:", 0, 4, 78, 120, 30);
    m_radioInclude = AddRadio("Include", 1186, 10, 91, 44);
    m_radioEqual = AddRadio("Equal", 1188, 60, 91, 44);
    m_groupMode = new QButtonGroup(this);
    m_groupMode->addButton(m_radioInclude, kModeInclude);
    m_groupMode->addButton(m_radioEqual, kModeEqual);

    m_btnAdd = AddButton("Add", 1025, 140, 118, 50, 14);
    m_btnEdit = AddButton("Edit", 1026, 196, 118, 50, 14);

    RefuseColons(m_editEventName);

    connect(m_radioAscii, &QRadioButton::clicked, this, &CPageView3Cmp::OnBnClickedRadioAscii);
    connect(m_radioHex, &QRadioButton::clicked, this, &CPageView3Cmp::OnBnClickedRadioHex);
    connect(m_btnClearData, &QPushButton::clicked, this, &CPageView3Cmp::OnBnClickedClearData);
    connect(m_btnAdd, &QPushButton::clicked, this, &CPageView3Cmp::OnBnClickedAdd);
    connect(m_btnEdit, &QPushButton::clicked, this, &CPageView3Cmp::OnBnClickedEdit);

    // Without a port the event would name port 0, which the device lacks.
    RequireSelection(m_comboPort, "no selecte port");
    OnInitDialog();
    DropKeys(true, true);
}

void CPageView3Cmp::OnInitDialog() {
    m_comboPort->addItems({"Port 1", "Port 2", "Port 3"});
    m_comboPort->setCurrentIndex(0);
    m_nFormat = 0;
    m_nEndChar = 0;
    m_nIncludeGroup = kModeEqual;
    m_nEqualGroup = 0;
    UpdateData(false);
    m_data->SetTypingMode(m_nFormat);
}

void CPageView3Cmp::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        m_data->Read();
        m_nIncludeGroup = m_groupMode->checkedId();
        m_nEqualGroup = m_radioEqual->isChecked() ? 0 : -1;
    } else {
        m_data->Write();
        CheckGroupButton(m_groupMode, m_nIncludeGroup);
    }
}

void CPageView3Cmp::OnBnClickedRadioAscii() {
    m_data->OnAsciiClicked();
    UpdateData(true);
}

void CPageView3Cmp::OnBnClickedRadioHex() {
    m_data->OnHexClicked(false);
    UpdateData(true);
}

void CPageView3Cmp::OnBnClickedClearData() {
    m_editData->clear();
}

bool CPageView3Cmp::CheckPort(bool /*edit*/) {
    UpdateData(true);
    return CheckPortAvailable("Compare selection port", m_comboPort->currentIndex(),
                              serialtext::kComparePortTable);
}

std::string CPageView3Cmp::BuildEventText() {
    UpdateData(true);
    if (m_nEqualGroup != 0)
        m_nEqualGroup = 1;
    serialtext::UcmpFields f;
    f.eventName = EditText(m_editEventName, true);
    f.port = m_comboPort->currentIndex();
    f.format = m_nFormat;
    f.endChar = m_nEndChar;
    f.compareMode = m_nEqualGroup;
    f.data = EditText(m_editData);
    return serialtext::ComposeUcmpText(f);
}

void CPageView3Cmp::LoadEvent(std::string text) {
    const CQvmEventStr event(text);
    SelectByIndex(m_comboPort, FieldNumber(event.GetCmpPort()));
    const bool ascii = FieldNumber(event.GetCmpFormat()) == 0;
    m_data->ShowEndChar(ascii);
    m_nFormat = ascii ? CRS232LibFun::kFormatAscii : CRS232LibFun::kFormatHex;
    m_nEndChar = int(std::clamp<long>(FieldNumber(event.GetCmpEndChar()), INT_MIN, INT_MAX));
    SetEditText(m_editData, event.GetCmpData());
    SetEditText(m_editEventName, txt::Trim(event.GetCmpEventName()));
    UpdateData(false);
    // The radios are set directly; the members follow at the next read.
    const bool include = txt::Trim(event.GetCmpMode()) == "1";
    m_radioInclude->setChecked(include);
    m_radioEqual->setChecked(!include);
    // The typing filter follows the format.
    m_data->SetTypingMode(m_nFormat);
    update();
}
