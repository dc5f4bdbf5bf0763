#include "controls/cbasebutton.h"

#include "platform/codepage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QLinearGradient>

CBaseButton::CBaseButton(QWidget* parent) : QAbstractButton(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

void CBaseButton::Create(const std::string& caption, const QRect& rect, QWidget* parent, int id) {
    m_strName = caption;
    m_strCaption = caption;
    setParent(parent);
    setObjectName(QString::number(id));
    setGeometry(rect);
    show();
}

std::pair<QColor, QColor> CBaseButton::GradientColors() const {
    if (m_bHover)
        return {QColor(0, 255, 0), QColor(255, 255, 255)};
    switch (m_nColorScheme) {
    case 1: return {QColor(255, 255, 0), QColor(0, 0, 0)};
    case 2: return {QColor(255, 255, 255), QColor(255, 0, 0)};
    case 3: return {QColor(199, 224, 248), QColor(64, 148, 232)};
    case 4: return {QColor(245, 248, 199), QColor(218, 227, 28)};
    default: return {QColor(255, 255, 255), QColor(255, 255, 255)}; // scheme 0 and unknown ones
    }
}

void CBaseButton::paintEvent(QPaintEvent*) {
    // The look is the same whether the button is pressed, focused or disabled.
    QPainter painter(this);
    const QRect r = rect();
    const auto [top, bottom] = GradientColors();
    QLinearGradient gradient(0, 0, 0, r.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(r, gradient);

    // A thin border, as the button's border style draws one.
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(r.adjusted(0, 0, -1, -1));

    QFont captionFont(QStringLiteral("Sans Serif"));
    captionFont.setStyleHint(QFont::SansSerif);
    captionFont.setPixelSize(10);
    painter.setFont(captionFont);
    painter.setPen(QColor(255, 0, 0));
    const QRect captionRect(1, 1, 9, 9);
    painter.setClipRect(captionRect);
    painter.drawText(captionRect, Qt::AlignCenter | Qt::TextSingleLine, cp936::ToUnicode(m_strCaption));
    painter.setClipping(false);

    QFont nameFont(QStringLiteral("Sans Serif"));
    nameFont.setStyleHint(QFont::SansSerif);
    nameFont.setPixelSize(12);
    painter.setFont(nameFont);
    painter.setPen(QColor(0, 0, 0));
    painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, cp936::ToUnicode(m_strName));
}

void CBaseButton::OnMouseMove() {
    if (!m_bTracking)
        m_bTracking = true;
}

void CBaseButton::OnMouseHover() {
    m_bHover = true;
    update();
}

void CBaseButton::OnMouseLeave() {
    m_bHover = false;
    m_bTracking = false;
    update();
}

void CBaseButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    OnMouseMove();
    OnMouseHover();
}

void CBaseButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    OnMouseLeave();
}

void CBaseButton::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    if (!m_bTracking) {
        OnMouseMove();
        OnMouseHover();
    }
}
