#pragma once
// Creates the controls of a dialog or page at places given in dialog units.
// Each control becomes a child of the layout's parent, is named after its
// control id so that code and tests find it by id (a control without id,
// given as 0, keeps no name) and gets its rectangle from the units.

#include "controls/dialogunits.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;

// Makes the edit read-only and look it: the window's background instead of
// an edit's white, and no keyboard focus, so no focus frame.
void MakeReadOnly(QLineEdit* edit);

// Draws the group's frame line through the middle of its title, as the
// layouts are drawn for: what the layout places just below the group's top
// then lies inside the frame, not across its line.
void SetFrameThroughTitle(QGroupBox* group);

// The box's list drops down below it, as a list with a scroll bar of at
// most maxVisibleItems() rows, instead of the style's pop-up over the box,
// which shows every row at once.
void SetListDropsBelow(QComboBox* combo);

class DialogLayout {
public:
    // The sizes a control gets unless the call gives its own, in dialog units.
    static constexpr int kLabelHeightDlu = 10;
    static constexpr int kComboHeightDlu = 14;
    static constexpr int kEditHeightDlu = 14;
    static constexpr int kButtonWidthDlu = 50;
    static constexpr int kButtonHeightDlu = 14;
    static constexpr int kSliderHeightDlu = 15;
    static constexpr int kRadioHeightDlu = 10;

    // Units of the parent's own font.
    explicit DialogLayout(QWidget* parent);
    DialogLayout(QWidget* parent, const DialogUnits& units);

    const DialogUnits& Units() const { return m_units; }

    // Buttons made from now on are never pressed by Enter of their own
    // accord, only a button explicitly made the default one is.
    void NoAutoDefaultButtons() { m_bAutoDefaultButtons = false; }

    // Names and places a control the caller made with the parent.
    template <typename W> W* Place(W* widget, int id, int x, int y, int width, int height) const {
        PlaceWidget(widget, id, x, y, width, height);
        return widget;
    }

    QLabel* Label(const char* text, int id, int x, int y, int width, int height = kLabelHeightDlu) const;
    QComboBox* Combo(int id, int x, int y, int width, int height = kComboHeightDlu) const;
    // Text the program sets is taken whole; the user may bring it to 32,767
    // characters.
    QLineEdit* Edit(int id, int x, int y, int width, int height = kEditHeightDlu) const;
    QPushButton* Button(const char* text, int id, int x, int y, int width = kButtonWidthDlu,
                        int height = kButtonHeightDlu) const;
    QSlider* Slider(int id, int x, int y, int width, int height = kSliderHeightDlu) const;
    QGroupBox* Group(const char* title, int id, int x, int y, int width, int height) const;
    // A radio button narrowed to its indicator and caption (FitToCaption).
    QRadioButton* Radio(const char* text, int id, int x, int y, int width,
                        int height = kRadioHeightDlu) const;

private:
    void PlaceWidget(QWidget* widget, int id, int x, int y, int width, int height) const;

    QWidget* m_pParent;
    DialogUnits m_units;
    bool m_bAutoDefaultButtons = true;
};
