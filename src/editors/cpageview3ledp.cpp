#include "editors/cpageview3ledp.h"

#include "model/cqvmeventstr.h"
#include "platform/textutil.h"

#include <QComboBox>

namespace {

constexpr int kButtonCount = 8;

} // namespace

CPageView3Ledp::CPageView3Ledp(QWidget* parent) : EventPage(parent) {
    AddLabel("Button", 0, 12, 14, 54);
    m_comboButton = AddCombo(1124, 70, 12, 90);
    AddLabel("Light Action", 0, 12, 38, 54);
    m_comboLight = AddCombo(1138, 70, 36, 90);
    CreateAddEditButtons(1025, 1026);
    RequireSelection(m_comboButton, "Please select the button");
    RequireSelection(m_comboLight, "Please select the light action");
    OnInitDialog();
}

void CPageView3Ledp::OnInitDialog() {
    for (int b = 1; b <= kButtonCount; ++b)
        m_comboButton->addItem(QStringLiteral("Button %1").arg(b));
    m_comboButton->setCurrentIndex(0);
    m_comboLight->addItems({"On", "Off", "On/All Off", "On/Group Off"});
    m_comboLight->setCurrentIndex(0);
}

std::string CPageView3Ledp::BuildEventText() {
    const int button = m_comboButton->currentIndex();
    const int light = m_comboLight->currentIndex();
    return txt::Format("LEDP : %d : %d : %d", button, light, light);
}

void CPageView3Ledp::LoadEvent(std::string text) {
    const CQvmEventStr event(text);
    SelectByIndex(m_comboButton, FieldNumber(event.GetLedButton()));
    SelectByIndex(m_comboLight, FieldNumber(event.GetLedLight()));
    update();
}
