#include "app/cdlgclearall.h"

#include "app/cravlodlg.h"
#include "controls/dialoglayout.h"
#include "device/devicetiming.h"

#include <QProgressBar>
#include <QTimer>

CDlgClearAll::CDlgClearAll(QWidget* parent) : ModalDialog(parent) {
    const DialogLayout layout(this);
    setObjectName(QStringLiteral("167"));
    setWindowTitle(QStringLiteral("Clearing"));
    setFixedSize(layout.Units().Size(333, 65));

    m_progress = layout.Place(new QProgressBar(this), 1164, 39, 20, 252, 18);
    m_progress->setTextVisible(false);

    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, [this] { OnTimer(kTickTimer); });
}

void CDlgClearAll::OnInitDialog() {
    m_progress->setRange(0, kLastTick);
    m_progress->setValue(0);
    m_timer->start(Timing().clearDialogTickMs);
}

void CDlgClearAll::OnTimer(int id) {
    if (id != kTickTimer)
        return;
    ++m_nTicks;
    if (!m_bDone) {
        const CravloDlg* main = MainDialog();
        if (main && main->m_nClearReplies >= 2) {
            m_progress->setValue(kLastTick - 1);
            m_bDone = true;
            return;
        }
        if (m_nTicks <= kLastTick) {
            m_progress->setValue(m_nTicks);
            return;
        }
    }
    // The tick after the acknowledgements, or the 21st.
    m_timer->stop();
    m_progress->setValue(kLastTick);
    accept();
}
