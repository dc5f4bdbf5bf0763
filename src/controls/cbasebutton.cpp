#include "controls/cbasebutton.h"

#include "platform/codepage.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <string_view>

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
constexpr double kMinNameStretch = 0.60;
constexpr int kMinNameFontPx = 8;

// The number and the name are drawn in one plain sans-serif face at the
// dialog's text size, which the painter scales to their sizes and narrows:
// every other size or stretch would be one more font to look up and load.
// Where the desktop's font is that plain face, as it is without a desktop
// theme, this is the dialog's own font, loaded before any key is drawn.
constexpr int kFacePx = 12;
constexpr double kCaptionSize = double(kCaptionFontPx) / kFacePx;
constexpr double kNameSize = double(kNameFontPx) / kFacePx;

// The face and the narrowing of the number and the name depend on nothing
// but the fonts installed, so they are made and measured at the first paint
// only. They live as long as the program.
struct KeyFonts {
    QFont face;
    double captionStretch = 1;
    double nameStretch = 1;
    KeyFonts() : face(QStringLiteral("Sans Serif")) {
        face.setPixelSize(kFacePx);
        face.setWeight(QFont::Normal);
        const QFontMetricsF metrics(face);
        const double twoDigits = metrics.horizontalAdvance(QStringLiteral("88")) * kCaptionSize;
        if (twoDigits > kCaptionSquarePx)
            captionStretch = kCaptionSquarePx / twoDigits;
        const double average = metrics.averageCharWidth() * kNameSize;
        if (average > kNameCharWidthPx)
            nameStretch = kNameCharWidthPx / average;
    }
};

const KeyFonts& Fonts() {
    static const KeyFonts* const fonts = new KeyFonts;
    return *fonts;
}

// The most characters of a text a room `width` pixels wide can show: at
// the smallest size no character is narrower than half a pixel. A longer
// name or number is cut there, so that a key measures and draws no more
// than it can show, however long the text a project brings.
int MostShownChars(int width) {
    return 2 * std::max(width, 1);
}

// The first `count` characters of the code page 936 text `bytes`, or all of
// them. A character takes one or two bytes, so the first 2 x `count` bytes
// hold at least `count` whole characters when there are more.
QString LeadingText(std::string_view bytes, int count) {
    QString text = cp936::ToUnicode(bytes.substr(0, 2 * size_t(count)));
    text.truncate(count);
    return text;
}

// Draws `text` centred in `rect`, `scale` times its natural size.
void DrawScaledText(QPainter& painter, const QRect& rect, QSizeF scale, const QString& text) {
    painter.translate(rect.topLeft());
    painter.scale(scale.width(), scale.height());
    painter.drawText(QRectF(0, 0, rect.width() / scale.width(), rect.height() / scale.height()),
                     Qt::AlignCenter | Qt::TextSingleLine, text);
}

// The name's scale: narrowed to the face's width, then further and then
// smaller until `name` fits `width`.
QSizeF FitNameScale(const QString& name, int width) {
    const KeyFonts& fonts = Fonts();
    // The text is centred by its advance, and its strokes may reach beyond
    // it: the wider of the two has to fit.
    const QFontMetricsF metrics(fonts.face);
    const double natural =
        std::max(metrics.horizontalAdvance(name), metrics.boundingRect(name).width()) * kNameSize;
    double stretch = fonts.nameStretch;
    if (natural * stretch <= width)
        return {stretch, 1};
    stretch = std::max(std::min(stretch, kMinNameStretch), width / natural);
    if (natural * stretch <= width)
        return {stretch, 1};
    const double smaller = std::max(double(kMinNameFontPx) / kNameFontPx, width / (natural * stretch));
    return {stretch * smaller, smaller};
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
    painter.setFont(Fonts().face);
    painter.setPen(QColor(255, 0, 0));
    painter.setClipRect(CaptionRect().intersected(client));
    DrawScaledText(painter, CaptionRect(), QSizeF(Fonts().captionStretch, 1) * kCaptionSize,
                   LeadingText(m_strCaption, MostShownChars(CaptionRect().width())));
    painter.restore();

    // The name is centred in the room right of the number, so that the two
    // never overlap.
    const QRect nameRect(CaptionRect().right() + 1, client.top(), client.right() - CaptionRect().right(),
                         client.height());
    const QString name = LeadingText(m_strName, MostShownChars(nameRect.width()));
    painter.save();
    painter.setFont(Fonts().face);
    painter.setPen(QColor(0, 0, 0));
    painter.setClipRect(client);
    DrawScaledText(painter, nameRect, FittedNameScale(name, nameRect.width() - 1) * kNameSize, name);
    painter.restore();
}

QSizeF CBaseButton::FittedNameScale(const QString& name, int width) const {
    if (name != m_fittedName || width != m_nFittedWidth) {
        m_fittedScale = FitNameScale(name, width);
        m_fittedName = name;
        m_nFittedWidth = width;
    }
    return m_fittedScale;
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
