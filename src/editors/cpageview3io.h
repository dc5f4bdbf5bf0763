#pragma once
// The GPIO event page: sets port 1 to 3 as input, or as output at level 0
// or 1 (GPIO events), on device model 2 only. The main window constructs it
// but never shows it: no tab, and GPIO events are not opened on a page.
// Enter and Escape do nothing on this page.

#include "editors/eventpage.h"

class FittingEdit;
class QComboBox;
class QLabel;

class CPageView3IO : public EventPage {
    Q_OBJECT
public:
    explicit CPageView3IO(QWidget* parent = nullptr);

    // GPIO events have no page to open on: the main window never calls it,
    // and it changes nothing.
    void LoadEvent(std::string text) override;
    std::string BuildEventText() override;

    // The direction box was changed: "Out" shows the level, else it hides.
    void OnCbnSelchangeComboIo();

    QComboBox* m_comboPort;      // 1113: "Port 1" to "Port 3"
    QComboBox* m_comboDirection; // 1114: "In", "Out"
    QComboBox* m_comboLevel;     // 1115: "0", "1"; hidden at start
    QLabel* m_staticOutput;      // 1134: "Output"; hidden at start
    FittingEdit* m_editName;     // 1090
    // m_btnAdd 1025 "Add", m_btnEdit 1092 "Edit"

protected:
    // The device model check: only model 2 has I/O lines.
    bool CheckPort(bool edit) override;

private:
    void OnInitDialog();
};
