#include "app/cdlgprogress.h"

#include "controls/dialogunits.h"

#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace {

// The bar takes 16-bit bounds.
constexpr int kMaxRange = 0xFFFF;

} // namespace

CDlgProgress::CDlgProgress(QWidget* parent) : ModalDialog(parent) {
    const DialogUnits du(this);
    setObjectName(QStringLiteral("164"));
    setWindowTitle(QStringLiteral("Programming Controller"));
    setFixedSize(du.Size(342, 105));

    m_btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_btnCancel->setObjectName(QStringLiteral("2"));
    m_btnCancel->setGeometry(du.Rect(141, 73, 50, 14));
    connect(m_btnCancel, &QPushButton::clicked, this, &CDlgProgress::OnBnClickedCancel);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("1164"));
    m_progress->setGeometry(du.Rect(31, 41, 281, 15));
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
