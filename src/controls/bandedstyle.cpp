#include "controls/bandedstyle.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <functional>

namespace {

// A band this many pixels long keeps a drawing of a line across it below
// the share-out limit.
constexpr int kBandPx = 32;

// Calls `draw` once for each band of rows of `rect`, the painter clipped to
// it. For drawings that keep to the clip they are given.
void DrawInClippedBands(QPainter* painter, const QRect& rect, const std::function<void()>& draw) {
    for (int offset = 0; offset < rect.height(); offset += kBandPx) {
        painter->save();
        painter->setClipRect(QRect(rect.left(), rect.top() + offset, rect.width(), kBandPx),
                             Qt::IntersectClip);
        draw();
        painter->restore();
    }
}

// Calls `draw` once for each band of `rect` (bands of columns when `across`,
// else of rows) with a painter on a picture of that band alone, and puts the
// picture in its place. For drawings that set clips of their own and that
// cover every pixel of `rect`.
void DrawInPictureBands(QPainter* painter, const QRect& rect, bool across,
                        const std::function<void(QPainter*)>& draw) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const int length = across ? rect.width() : rect.height();
    for (int offset = 0; offset < length; offset += kBandPx) {
        const QRect band =
            across
                ? QRect(rect.left() + offset, rect.top(), std::min(kBandPx, length - offset), rect.height())
                : QRect(rect.left(), rect.top() + offset, rect.width(), std::min(kBandPx, length - offset));
        QImage picture(band.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        {
            QPainter bandPainter(&picture);
            bandPainter.setRenderHints(painter->renderHints());
            bandPainter.setFont(painter->font());
            bandPainter.setPen(painter->pen());
            bandPainter.setBrush(painter->brush());
            bandPainter.setLayoutDirection(painter->layoutDirection());
            bandPainter.translate(-band.topLeft());
            draw(&bandPainter);
        }
        painter->drawImage(band.topLeft(), picture);
    }
}

} // namespace

BandedStyle::BandedStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

BandedStyle* BandedStyle::Shared() {
    static BandedStyle* const style = new BandedStyle;
    return style;
}

void BandedStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    if (element != PE_FrameTabWidget || !painter || !option) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    DrawInClippedBands(painter, option->rect,
                       [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
}

void BandedStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
    if (control != CC_ScrollBar || !painter || !option || option->rect.isEmpty()) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const bool horizontal = option->state & State_Horizontal;
    DrawInPictureBands(painter, option->rect, horizontal, [&](QPainter* bandPainter) {
        QProxyStyle::drawComplexControl(control, option, bandPainter, widget);
    });
}

namespace {

// Draws a horizontal header section as sections a band wide side by side:
// bands of two widths' length, the last one up to three, so that a line
// across one stays below the share-out limit and the last has room for the
// line that ends the section. The style draws a section's gradient and its
// top and bottom lines the same for any width, and the line that ends it only
// at its right edge, unless it is the last section.
template <typename Header>
void DrawSectionInBands(const Header& header, const std::function<void(const Header&)>& draw) {
    constexpr int kSectionBandPx = 2 * kBandPx;
    constexpr int kLastBandMaxPx = 3 * kBandPx - 1;
    Header band = header;
    const QRect rect = header.rect;
    int left = rect.left();
    while (rect.right() + 1 - left > kLastBandMaxPx) {
        band.rect = QRect(left, rect.top(), kSectionBandPx, rect.height());
        band.position = QStyleOptionHeader::End;
        draw(band);
        left += kSectionBandPx;
    }
    band.rect = QRect(left, rect.top(), rect.right() + 1 - left, rect.height());
    band.position = header.position;
    draw(band);
}

} // namespace

void BandedStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    if (element != CE_HeaderSection || !painter || !header || header->orientation != Qt::Horizontal ||
        option->rect.width() < 3 * kBandPx) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // Keeps what only the newer header option carries (a section being
    // dragged onto).
    if (const auto* header2 = qstyleoption_cast<const QStyleOptionHeaderV2*>(option)) {
        DrawSectionInBands<QStyleOptionHeaderV2>(*header2, [&](const QStyleOptionHeaderV2& band) {
            QProxyStyle::drawControl(element, &band, painter, widget);
        });
        return;
    }
    DrawSectionInBands<QStyleOptionHeader>(*header, [&](const QStyleOptionHeader& band) {
        QProxyStyle::drawControl(element, &band, painter, widget);
    });
}
