#pragma once
// A one-line edit that takes no more text than fits in its box: typing,
// pasting or dropping that would make the text wider than the box is
// refused, as in an edit that does not scroll its text. Text the owner sets
// with setText() is taken whole.

#include <QLineEdit>

class FittingEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FittingEdit(QWidget* parent = nullptr);

    // Whether `text` fits inside the box at its present size and font.
    bool Fits(const QString& text) const;
};
