#pragma once
// The "Page" event page: changes to a page class and active number (ENPG
// events). Enter and Escape do nothing on this page.

#include "editors/eventpage.h"

class QComboBox;
class QLineEdit;

class CPageView3Page : public EventPage {
    Q_OBJECT
public:
    explicit CPageView3Page(QWidget* parent = nullptr);

    void LoadEvent(std::string text) override;
    std::string BuildEventText() override;

    QComboBox* m_comboPage;   // 1126: "Page 1" only
    QComboBox* m_comboActive; // 1124: "1" to "4"
    QLineEdit* m_editName;    // 1090
    // m_btnAdd 1025 "Add", m_btnEdit 1026 "Edit"

private:
    void OnInitDialog();
};
