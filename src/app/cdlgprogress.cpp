#include "app/cdlgprogress.h"

#include "controls/dialoglayout.h"

#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace {

// The bar takes 16-bit bounds.
constexpr int kMaxRange = 0xFFFF;

} // namespace

CDlgProgress::CDlgProgress(QWidget* parent, Controls controls) : ModalDialog(parent) {
    setObjectName(QStringLiteral("164"));
    setWindowTitle(QStringLiteral("Programming Controller"));
    SwallowKeys(true, false);
    if (controls == Controls::Now)
        CreateControls();
}

void CDlgProgress::CreateControls() {
    if (m_progress)
        return;
    const DialogLayout layout(this);
    setFixedSize(layout.Units().Size(342, 105));

    m_btnCancel = layout.Button("Cancel", 2, 141, 73);
    connect(m_btnCancel, &QPushButton::clicked, this, &CDlgProgress::OnBnClickedCancel);

    m_progress = layout.Place(new QProgressBar(this), 1164, 31, 41, 281, 15);
    m_progress->setTextVisible(false);
}

void CDlgProgress::OnInitDialog() {
    CreateControls();
    m_progress->setRange(0, std::clamp(m_nRange, 0, kMaxRange));
    m_progress->setValue(0);
    m_btnCancel->setFocus();
}

void CDlgProgress::setVisible(bool visible) {
    // The size and the controls are there before the dialog first shows.
    if (visible)
        CreateControls();
    ModalDialog::setVisible(visible);
}

void CDlgProgress::showEvent(QShowEvent* event) {
    // The base runs OnInitDialog at the first show only; this dialog is
    // shown once per upload.
    if (m_bShownBefore)
        OnInitDialog();
    m_bShownBefore = true;
    ModalDialog::showEvent(event);
}

void CDlgProgress::SetPos(int position) {
    CreateControls();
    m_progress->setValue(std::clamp(position, m_progress->minimum(), m_progress->maximum()));
}

int CDlgProgress::Pos() const {
    // A bar not made yet stands where every upload starts it.
    return m_progress ? m_progress->value() : 0;
}

void CDlgProgress::OnBnClickedCancel() {
    reject();
}

void CDlgProgress::reject() {
    m_bCancel = true;
    ModalDialog::reject();
}
