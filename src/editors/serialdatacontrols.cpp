#include "editors/serialdatacontrols.h"

#include "controls/crs232edit.h"
#include "controls/radiogroup.h"
#include "controls/showntext.h"
#include "editors/serialeventtext.h"
#include "model/crs232libfun.h"
#include "platform/textutil.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>

SerialDataControls::SerialDataControls(const Controls& controls, int& format, int& endChar, QObject* owner)
    : m_controls(controls), m_nFormat(format), m_nEndChar(endChar) {
    m_groupFormat = new QButtonGroup(owner);
    m_groupFormat->addButton(controls.ascii, CRS232LibFun::kFormatAscii);
    m_groupFormat->addButton(controls.hex, CRS232LibFun::kFormatHex);
    m_groupEndChar = new QButtonGroup(owner);
    m_groupEndChar->addButton(controls.endNone, CRS232LibFun::kEndNone);
    m_groupEndChar->addButton(controls.endCr, CRS232LibFun::kEndCr);
    m_groupEndChar->addButton(controls.endCrLf, CRS232LibFun::kEndCrLf);
}

void SerialDataControls::Read() {
    m_nFormat = m_groupFormat->checkedId();
    m_nEndChar = m_groupEndChar->checkedId();
}

void SerialDataControls::Write() {
    CheckGroupButton(m_groupFormat, m_nFormat);
    CheckGroupButton(m_groupEndChar, m_nEndChar);
}

void SerialDataControls::ShowEndChar(bool show) {
    m_controls.endCharBox->setVisible(show);
    m_controls.endNone->setVisible(show);
    m_controls.endCr->setVisible(show);
    m_controls.endCrLf->setVisible(show);
}

void SerialDataControls::SetTypingMode(int format) {
    m_controls.data->m_bHexMode = format == CRS232LibFun::kFormatHex;
}

void SerialDataControls::ConvertToHex(bool trim) {
    Read();
    std::string text = shown::EditText(m_controls.data);
    if (trim)
        text = txt::Trim(text);
    if (const std::optional<std::string> hex = serialtext::AsciiToHex(text, m_nEndChar))
        shown::SetEditText(m_controls.data, *hex);
}

void SerialDataControls::OnAsciiClicked() {
    if (m_nFormat != CRS232LibFun::kFormatAscii) {
        m_controls.data->clear();
        ShowEndChar(true);
    }
    SetTypingMode(CRS232LibFun::kFormatAscii);
    Read();
}

void SerialDataControls::OnHexClicked(bool trim) {
    if (m_nFormat != CRS232LibFun::kFormatHex) {
        ConvertToHex(trim);
        ShowEndChar(false);
    }
    SetTypingMode(CRS232LibFun::kFormatHex);
    Read();
}

void FillCombo(QComboBox* combo, const std::vector<std::string>& entries) {
    combo->clear();
    for (const std::string& entry : entries)
        shown::AddItem(combo, entry);
}

void FillSerialSettingCombos(QComboBox* baud, QComboBox* dataBits, QComboBox* stopBits, QComboBox* parity) {
    const auto fill = [](QComboBox* combo, const std::vector<std::string>& entries, const char* chosen) {
        FillCombo(combo, entries);
        combo->setCurrentIndex(combo->findText(QString::fromLatin1(chosen), Qt::MatchExactly));
    };
    fill(baud, serialtext::kBaudRates, "9600");
    fill(dataBits, serialtext::kDataBits, "8");
    fill(stopBits, serialtext::kStopBits, "1");
    fill(parity, serialtext::kParities, "NONE");
}

bool SelectParity(QComboBox* parity, const std::string& text, bool caseSensitive) {
    if (shown::SelectItem(parity, text, caseSensitive))
        return true;
    if (serialtext::CodeOfText(serialtext::kParities, text).empty())
        return false;
    FillCombo(parity, serialtext::kParities);
    return shown::SelectItem(parity, text, caseSensitive);
}
