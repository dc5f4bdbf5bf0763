#pragma once
// The "Toggle" event page: sets the toggle state 1 to 4 that button 1 to 8
// starts from (LTOG events). Enter and Escape do nothing on this page.

#include "editors/eventpage.h"

class QComboBox;
class QLineEdit;

class CPageView3Toggle : public EventPage {
    Q_OBJECT
public:
    explicit CPageView3Toggle(QWidget* parent = nullptr);

    void LoadEvent(std::string text) override;
    std::string BuildEventText() override;

    QComboBox* m_comboButton; // 1130: "Button 1" to "Button 8"
    QComboBox* m_comboStart;  // 1131: "1" to "4"
    QLineEdit* m_editName;    // 1090
    // m_btnAdd 1133 "Add", m_btnEdit 1134 "Edit"

private:
    void OnInitDialog();
};
