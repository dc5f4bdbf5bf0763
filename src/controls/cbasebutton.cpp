#include "controls/cbasebutton.h"

#include "platform/codepage.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

// The button has a one-pixel border; everything else is drawn inside it.
constexpr int kBorderPx = 1;
const QColor kBorderColor(100, 100, 100);
// The number caption: a small proportional sans-serif face, narrowed so
// that a two-digit number stays readable inside its 9 x 9 pixel square.
constexpr int kCaptionFontPx = 9;
constexpr int kCaptionSquarePx = 9;
// The key name: a cell 15 pixels high with characters 6 pixels wide on
// average, narrow enough for a four- or five-letter name on a 35-pixel key.
constexpr int kNameFontPx = 13;
constexpr int kNameCharWidthPx = 6;
// A name wider than the room beside the number is narrowed further, then
// made smaller, down to these limits; beyond them it is cut.
constexpr int kMinNameStretch = 60;
constexpr int kNameStretchStep = 5;
constexpr int kMinNameFontPx = 8;

QFont MakeCaptionFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kCaptionFontPx);
    font.setWeight(QFont::Normal);
    const int twoDigits = QFontMetrics(font).horizontalAdvance(QStringLiteral("88"));
    if (twoDigits > kCaptionSquarePx)
        font.setStretch(kCaptionSquarePx * 100 / twoDigits);
    return font;
}

QFont MakeNameFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kNameFontPx);
    font.setWeight(QFont::Normal);
    // Narrow the face to the wanted average character width.
    const int average = QFontMetrics(font).averageCharWidth();
    if (average > kNameCharWidthPx)
        font.setStretch(kNameCharWidthPx * 100 / average);
    return font;
}

// The two fonts depend on nothing but the fonts installed, so they are made
// and measured at the first paint only, not for every key on every paint.
// They live as long as the program.
const QFont& CaptionFont() {
    static const QFont* const font = new QFont(MakeCaptionFont());
    return *font;
}

const QFont& NameFont() {
    static const QFont* const font = new QFont(MakeNameFont());
    return *font;
}

// The name font, narrowed and then made smaller until `name` fits `width`.
QFont FitNameFont(const QString& name, int width) {
    QFont font = NameFont();
    auto fits = [&] { return QFontMetrics(font).boundingRect(name).width() <= width; };
    int stretch = font.stretch() > 0 ? font.stretch() : 100;
    while (!fits() && stretch > kMinNameStretch) {
        stretch = std::max(kMinNameStretch, stretch - kNameStretchStep);
        font.setStretch(stretch);
    }
    while (!fits() && font.pixelSize() > kMinNameFontPx)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

} // namespace

CBaseButton::CBaseButton(QWidget* parent) : QAbstractButton(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    // The button draws every pixel of itself: nothing behind it needs
    // drawing when it repaints.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CBaseButton::Create(const std::string& caption, const QRect& rect, QWidget* parent, int id) {
    m_strName = caption;
    m_strCaption = caption;
    if (parentWidget() != parent)
        setParent(parent);
    setObjectName(QString::number(id));
    setGeometry(rect);
    show();
}

std::pair<QColor, QColor> CBaseButton::GradientColors() const {
    if (m_bHover)
        return {QColor(0, 255, 0), QColor(255, 255, 255)};
    switch (m_nColorScheme) {
    case 1:
        return {QColor(255, 255, 0), QColor(0, 0, 0)};
    case 2:
        return {QColor(255, 255, 255), QColor(255, 0, 0)};
    case 3:
        return {QColor(199, 224, 248), QColor(64, 148, 232)};
    case 4:
        return {QColor(245, 248, 199), QColor(218, 227, 28)};
    default:
        return {QColor(255, 255, 255), QColor(255, 255, 255)};
    }
}

QRect CBaseButton::CaptionRect() {
    return QRect(kBorderPx + 1, kBorderPx + 1, kCaptionSquarePx, kCaptionSquarePx);
}

void CBaseButton::DrawItem(QPainter& painter, const QRect& bounds) const {
    painter.setPen(kBorderColor);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bounds.adjusted(0, 0, -1, -1));

    const QRect client = bounds.adjusted(kBorderPx, kBorderPx, -kBorderPx, -kBorderPx);
    const auto [top, bottom] = GradientColors();
    QLinearGradient gradient(client.topLeft(), QPointF(client.left(), client.top() + client.height()));
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(client, gradient);

    painter.save();
    painter.setFont(CaptionFont());
    painter.setPen(QColor(255, 0, 0));
    painter.setClipRect(CaptionRect().intersected(client));
    painter.drawText(CaptionRect(), Qt::AlignCenter | Qt::TextSingleLine, cp936::ToUnicode(m_strCaption));
    painter.restore();

    // The name is centred in the room right of the number, so that the two
    // never overlap.
    const QRect nameRect(CaptionRect().right() + 1, client.top(), client.right() - CaptionRect().right(),
                         client.height());
    const QString name = cp936::ToUnicode(m_strName);
    painter.save();
    painter.setFont(FittedNameFont(name, nameRect.width() - 1));
    painter.setPen(QColor(0, 0, 0));
    painter.setClipRect(client);
    painter.drawText(nameRect, Qt::AlignCenter | Qt::TextSingleLine, name);
    painter.restore();
}

const QFont& CBaseButton::FittedNameFont(const QString& name, int width) const {
    if (name != m_fittedName || width != m_nFittedWidth) {
        m_fittedFont = FitNameFont(name, width);
        m_fittedName = name;
        m_nFittedWidth = width;
    }
    return m_fittedFont;
}

void CBaseButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawItem(painter, rect());
}

void CBaseButton::OnMouseMove() {
    if (m_bTracking)
        return;
    m_bTracking = true;
    OnMouseHover();
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
    OnMouseMove();
    QAbstractButton::enterEvent(event);
}

void CBaseButton::leaveEvent(QEvent* event) {
    OnMouseLeave();
    QAbstractButton::leaveEvent(event);
}

void CBaseButton::mouseMoveEvent(QMouseEvent* event) {
    OnMouseMove();
    QAbstractButton::mouseMoveEvent(event);
}
