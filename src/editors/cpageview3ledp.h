#pragma once
// The "LED" event page: sets the LED of one of the buttons 1 to 8 (LEDP
// events). No key filter.

#include "editors/eventpage.h"

class QComboBox;

class CPageView3Ledp : public EventPage {
    Q_OBJECT
public:
    explicit CPageView3Ledp(QWidget* parent = nullptr);

    void LoadEvent(std::string text) override;
    std::string BuildEventText() override;

    QComboBox* m_comboLight;  // 1138: "On", "Off", "On/All Off", "On/Group Off"
    QComboBox* m_comboButton; // 1124: "Button 1" to "Button 8"
    // m_btnAdd 1025 "Add", m_btnEdit 1026 "Edit"

private:
    void OnInitDialog();
};
