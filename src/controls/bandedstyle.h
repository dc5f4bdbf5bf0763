#pragma once
// The desktop style, drawing long frames and scroll bars a band at a time.
//
// The style draws a line along a control as one run of pixels per pixel of
// its length, and Qt shares a drawing of more than about a hundred runs out
// to worker threads: handing it over costs far more than the drawing (some
// one and a half milliseconds at the first paint of the main window, for its
// two list scroll bars and the tab control's frame). Drawn a band at a time,
// each drawing stays below that. The pixels are the same but where two lines
// meet at a corner: there a pixel or two may come out a little lighter or
// darker.

#include <QProxyStyle>

class BandedStyle : public QProxyStyle {
public:
    BandedStyle();
    // One style for the controls that need nothing else; it lives as long as
    // the program.
    static BandedStyle* Shared();

    // The frame around a tab control's pages, in bands of rows.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    // A scroll bar, in bands across its length.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};
