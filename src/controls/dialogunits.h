#pragma once
// Dialog units: the coordinates the dialog layouts are given in. One
// horizontal unit is a quarter of the font's average character width, one
// vertical unit an eighth of its height, so a layout grows with its font and
// its texts keep fitting.

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    explicit DialogUnits(const QWidget* widget);
    // Fixed base units in pixels, for a layout that must not follow the font.
    DialogUnits(int baseXPx, int baseYPx);

    // The units of the main window's layout, shared by the event pages in
    // its tabs so that a page fits its tab: fixed, not from a font.
    static const DialogUnits& MainWindow();

    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

    // Pixels of the average character width and of the character height.
    int m_nBaseX = 0;
    int m_nBaseY = 0;
};
