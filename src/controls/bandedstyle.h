#pragma once
// The desktop style, drawing the frame around a tab control's pages a band of
// rows at a time. The style draws the frame's sides as one short run of
// pixels per row; Qt shares a drawing of more than about a hundred runs out
// to worker threads, and handing it over costs far more than the drawing
// (half a millisecond at the first paint of the main window). In bands each
// drawing stays below that; the pixels are the same.

#include <QProxyStyle>

class BandedStyle : public QProxyStyle {
public:
    BandedStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};
