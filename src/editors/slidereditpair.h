#pragma once
// A number chosen with a slider and shown, and typed, in the edit beside it.
//
// Moving the slider writes its position into the edit. Changing the edit's
// text (typed or set by code) moves the slider: an empty text to the empty
// position, a number of 0 or more to that number (kept inside the range), a
// negative number nowhere; a number above the maximum either moves the
// slider to the maximum and keeps the typed text, or rewrites the text to
// the maximum. The position, never the edit's text, is the value an event
// takes.

#include <QObject>
#include <string>

class QLineEdit;
class QSlider;

class SliderEditPair : public QObject {
    Q_OBJECT
public:
    enum class AboveMaximum { KeepText, RewriteText };
    struct Setup {
        int minimum = 0;
        int maximum = 0;
        int startPosition = 0;
        int emptyPosition = 0; // where an emptied edit puts the slider
        AboveMaximum aboveMaximum = AboveMaximum::KeepText;
    };

    // Sets the range with steps of 1, the start position and the edit's
    // start text, and connects the two controls.
    SliderEditPair(QSlider* slider, QLineEdit* edit, const Setup& setup, QObject* parent = nullptr);

    int Position() const;
    // Re-loads an event field: the slider to the field's number (kept inside
    // the range), the edit's text to the field as stored, which then follows
    // the edit rules.
    void Load(const std::string& field);

    // The slider was moved: the edit shows its position.
    void OnHScroll();
    // The edit's text changed.
    void OnEnChange();

    QSlider* m_slider;
    QLineEdit* m_edit;

private:
    void SetPosition(int position);

    Setup m_setup;
};
