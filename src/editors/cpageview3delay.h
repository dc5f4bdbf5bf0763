#pragma once
// The "Delay" event page: the device waits for hours, minutes, seconds and
// an optional half second (DELY events). Each number is a slider with its
// edit. Enter and Escape do nothing on this page.

#include "editors/eventpage.h"

class QComboBox;
class QLineEdit;
class QSlider;
class SliderEditPair;

class CPageView3Delay : public EventPage {
    Q_OBJECT
public:
    explicit CPageView3Delay(QWidget* parent = nullptr);

    void LoadEvent(std::string text) override;
    std::string BuildEventText() override;

    QSlider* m_sliderHour;   // 1127, 0-23
    QSlider* m_sliderMinute; // 1128, 0-59
    QSlider* m_sliderSecond; // 1129, 0-59
    QComboBox* m_comboHalf;  // 1130: "0", "0.5S"
    QLineEdit* m_editHour;   // 1131
    QLineEdit* m_editMinute; // 1132
    QLineEdit* m_editSecond; // 1092
    // m_btnAdd 1135 "Add", m_btnEdit 1136 "Edit"

    SliderEditPair* m_hour;
    SliderEditPair* m_minute;
    SliderEditPair* m_second;

private:
    void OnInitDialog();
};
