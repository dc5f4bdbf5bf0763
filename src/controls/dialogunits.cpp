#include "controls/dialogunits.h"

#include <QFontMetrics>
#include <QWidget>

namespace {

// a * b / c, rounded to the nearest integer.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

// Dialog units become pixels as with a dialog font of 7 x 14 pixel base
// units (x: 7/4 pixel per unit, y: 14/8). That is large enough for the
// fixed 43-pixel key pitch of models 1 and 2: the 13 virtual keys of model 2
// need 561 pixels of the key panel frame's 324 units, and its virtual row
// (y 225 to 250 in the frame) stays above the device-ID box.
constexpr int kMainWindowBaseXPx = 7;
constexpr int kMainWindowBaseYPx = 14;

} // namespace

const DialogUnits& DialogUnits::MainWindow() {
    static const DialogUnits units(kMainWindowBaseXPx, kMainWindowBaseYPx);
    return units;
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_nBaseX = (letters / 26 + 1) / 2;
    m_nBaseY = metrics.height();
    if (m_nBaseX < 1)
        m_nBaseX = 1;
    if (m_nBaseY < 1)
        m_nBaseY = 1;
}

DialogUnits::DialogUnits(const QWidget* widget) : DialogUnits(widget->font()) {}

DialogUnits::DialogUnits(int baseXPx, int baseYPx) : m_nBaseX(baseXPx), m_nBaseY(baseYPx) {}

int DialogUnits::X(int units) const {
    return MulDiv(units, m_nBaseX, 4);
}

int DialogUnits::Y(int units) const {
    return MulDiv(units, m_nBaseY, 8);
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    const int left = X(x);
    const int top = Y(y);
    return QRect(left, top, X(x + width) - left, Y(y + height) - top);
}

QSize DialogUnits::Size(int width, int height) const {
    return QSize(X(width), Y(height));
}
