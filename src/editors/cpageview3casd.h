#pragma once
// The "Loop" event page: an event for key number 1 to 32 of the unit with
// ID 1 to 99 (CASD events). The event stores the two numbers as the lists
// show them, not as indexes. The name takes no more than fits in its box.
// Enter and Escape do nothing on this page.

#include "editors/eventpage.h"

class FittingEdit;
class QComboBox;

class CPageView3Casd : public EventPage {
    Q_OBJECT
public:
    explicit CPageView3Casd(QWidget* parent = nullptr);

    void LoadEvent(std::string text) override;
    std::string BuildEventText() override;

    QComboBox* m_comboId;    // 1169: "1" to "99"
    QComboBox* m_comboKeyNo; // 1170: "1" to "32"
    FittingEdit* m_editName; // 1090
    // m_btnAdd 1025 "Add", m_btnEdit 1026 "Edit"

private:
    void OnInitDialog();
};
