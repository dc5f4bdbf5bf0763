#include "app/cdlgprogress.h"

#include "controls/dialoglayout.h"

#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace {

// The bar takes 16-bit bounds.
constexpr int kMaxRange = 0xFFFF;

} // namespace

CDlgProgress::CDlgProgress(QWidget* parent) : ModalDialog(parent) {
    const DialogLayout layout(this);
    setObjectName(QStringLiteral("164"));
    setWindowTitle(QStringLiteral("Programming Controller"));
    setFixedSize(layout.Units().Size(342, 105));

    m_btnCancel = layout.Button("Cancel", 2, 141, 73);
    connect(m_btnCancel, &QPushButton::clicked, this, &CDlgProgress::OnBnClickedCancel);

    m_progress = layout.Place(new QProgressBar(this), 1164, 31, 41, 281, 15);
    m_progress->setTextVisible(false);

    SwallowKeys(true, false);
}

void CDlgProgress::OnInitDialog() {
    m_progress->setRange(0, std::clamp(m_nRange, 0, kMaxRange));
    m_progress->setValue(0);
    m_btnCancel->setFocus();
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
    m_progress->setValue(std::clamp(position, m_progress->minimum(), m_progress->maximum()));
}

int CDlgProgress::Pos() const {
    return m_progress->value();
}

void CDlgProgress::OnBnClickedCancel() {
    reject();
}

void CDlgProgress::reject() {
    m_bCancel = true;
    ModalDialog::reject();
}
