#pragma once
// The small progress dialog shown while the device clears: a bar that
// advances once a second until the main window has counted the device's
// second clear acknowledgement, then closes a tick later; without the
// acknowledgements it closes after 21 ticks. No buttons.

#include "controls/modaldialog.h"

class QProgressBar;
class QTimer;

class CDlgClearAll : public ModalDialog {
    Q_OBJECT
public:
    explicit CDlgClearAll(QWidget* parent = nullptr);

    static constexpr int kTickTimer = 1;
    static constexpr int kLastTick = 20;

    // One tick of timer 1 (the tick timer calls it; tests may call it).
    void OnTimer(int id);

    QProgressBar* m_progress; // 1164, range 0 to 20
    int m_nTicks = 0;
    bool m_bDone = false; // the second acknowledgement was seen

protected:
    void OnInitDialog() override;

private:
    QTimer* m_timer;
};
