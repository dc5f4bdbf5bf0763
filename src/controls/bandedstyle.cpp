#include "controls/bandedstyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <functional>

namespace {

// A band of this many rows keeps a drawing of a frame's two sides below the
// share-out limit.
constexpr int kBandPx = 32;

// Calls `draw` once for each band of rows of `rect`, the painter clipped to
// it.
void DrawInBands(QPainter* painter, const QRect& rect, const std::function<void()>& draw) {
    for (int offset = 0; offset < rect.height(); offset += kBandPx) {
        const QRect band(rect.left(), rect.top() + offset, rect.width(), kBandPx);
        painter->save();
        painter->setClipRect(band, Qt::IntersectClip);
        draw();
        painter->restore();
    }
}

} // namespace

BandedStyle::BandedStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

void BandedStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    if (element != PE_FrameTabWidget || !painter || !option) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    DrawInBands(painter, option->rect, [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
}

