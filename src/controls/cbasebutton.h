#pragma once
// The key button of the key panel: a button that draws itself and that is
// also the key's record. Its look: a vertical gradient chosen by the colour
// scheme (green to white while the mouse rests on it), the number caption
// small and red in the top-left corner, the key name in black centred in the
// room right of the number (narrowed or made smaller until it fits there).
// The look is the same whether the button is pressed, focused or disabled.

#include "model/keyrecord.h"

#include <QAbstractButton>
#include <QColor>
#include <QSizeF>
#include <QString>
#include <utility>

class QPainter;

class CBaseButton : public QAbstractButton, public KeyRecord {
    Q_OBJECT
public:
    explicit CBaseButton(QWidget* parent = nullptr);

    // Sets the key name and the number caption to `caption`, then places the
    // button in `parent` at `rect` and shows it, with the control id as its
    // object name in decimal (0x1200 gives "4608").
    void Create(const std::string& caption, const QRect& rect, QWidget* parent, int id);

    // The gradient's top and bottom colours for the current state. A colour
    // scheme outside 0-4 (only a damaged or foreign project brings one)
    // draws like scheme 0.
    std::pair<QColor, QColor> GradientColors() const;

    // The caption's square, inside the border: 9 x 9 pixels at the client
    // area's (1, 1).
    static QRect CaptionRect();

    // Draws the whole button into `painter` over `bounds` (the widget).
    void DrawItem(QPainter& painter, const QRect& bounds) const;

    // Hover tracking. A move arms the tracking once per entry and reports the
    // hover; leaving ends both.
    void OnMouseMove();
    void OnMouseHover();
    void OnMouseLeave();

    bool m_bHover = false;
    bool m_bTracking = false;

    QSize sizeHint() const override { return {35, 25}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // How much the name is narrowed and made smaller to fit the room beside
    // the number, kept until the name or the room changes.
    QSizeF FittedNameScale(const QString& name, int width) const;

    mutable QString m_fittedName;
    mutable int m_nFittedWidth = -1;
    mutable QSizeF m_fittedScale;
};
