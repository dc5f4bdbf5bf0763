#include "editors/cpageview3relay.h"

#include "model/cqvmeventstr.h"
#include "platform/textutil.h"

#include <QComboBox>

CPageView3Relay::CPageView3Relay(QWidget* parent) : EventPage(parent) {
    AddLabel("Port", 0, 12, 14, 54);
    m_comboPort = AddCombo(1108, 70, 12, 90);
    AddLabel("Action", 0, 12, 38, 54);
    m_comboAction = AddCombo(1109, 70, 36, 90);
    CreateAddEditButtons(1025, 1026);
    RequireSelection(m_comboPort, "Please select the port");
    RequireSelection(m_comboAction, "Please select the action");
    OnInitDialog();
}

void CPageView3Relay::OnInitDialog() {
    m_comboPort->addItems({"Port 1", "Port 2"});
    m_comboPort->setCurrentIndex(0);
    m_comboAction->addItems({"On", "Off"});
    m_comboAction->setCurrentIndex(0);
}

std::string CPageView3Relay::BuildEventText() {
    const int port = m_comboPort->currentIndex();
    const int state = m_comboAction->currentIndex();
    return txt::Format("RELY : %d : %d : %01d", port, state, state);
}

void CPageView3Relay::LoadEvent(std::string text) {
    const CQvmEventStr event(text);
    SelectByIndex(m_comboPort, FieldNumber(event.GetRelayPort()));
    SelectByIndex(m_comboAction, FieldNumber(event.GetRelayState()));
    update();
}
