#pragma once
// The desktop style, drawing long frames, scroll bars and list headers a band
// at a time.
//
// The style draws a line along a control as one run of pixels per pixel of
// its length, and Qt shares a drawing of more than about a hundred runs out
// to worker threads: handing it over costs far more than the drawing (some
// milliseconds at the first paint of the main window, for its two list
// headers and scroll bars and the tab control's frame, more when the machine
// is busy). Drawn a band at a time, each drawing stays below that. The pixels
// are the same but where two lines meet at a corner: there a pixel or two
// may come out a little lighter or darker.

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
    // A list header's section, as sections a band wide side by side, only
    // the last with the line that ends the section.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};
