#pragma once
// The key button of the key panel: a button that draws itself (a vertical
// gradient by colour scheme, green while the mouse rests on it, its number
// small and red in the top-left corner, its name centred) and that is also
// the key's record.

#include "model/keyrecord.h"

#include <QAbstractButton>
#include <QColor>
#include <utility>

class CBaseButton : public QAbstractButton, public KeyRecord {
    Q_OBJECT
public:
    explicit CBaseButton(QWidget* parent = nullptr);

    // Sets the key name and the number caption to `caption`, then places the
    // button in `parent` at `rect` with the control id as its object name
    // ("0x1200" style ids become decimal text, e.g. "4608").
    void Create(const std::string& caption, const QRect& rect, QWidget* parent, int id);

    // The gradient's top and bottom colours for the current state.
    std::pair<QColor, QColor> GradientColors() const;

    // Hover tracking, as the mouse notices arrive.
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
};
