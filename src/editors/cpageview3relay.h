#pragma once
// The "Relay" event page: switches one of the device's two relays on or
// off (RELY events). No data check, no port check, no key filter.

#include "editors/eventpage.h"

class QComboBox;

class CPageView3Relay : public EventPage {
    Q_OBJECT
public:
    explicit CPageView3Relay(QWidget* parent = nullptr);

    void LoadEvent(std::string text) override;
    std::string BuildEventText() override;

    QComboBox* m_comboPort;   // 1108: "Port 1", "Port 2" (the relay)
    QComboBox* m_comboAction; // 1109: "On", "Off"
    // m_btnAdd 1025 "Add", m_btnEdit 1026 "Edit"

private:
    void OnInitDialog();
};
