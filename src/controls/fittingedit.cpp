#include "controls/fittingedit.h"

#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>
#include <limits>

namespace {

// The line edit keeps this many pixels free on each side of its text.
constexpr int kTextSideMarginPx = 2;
// Room for the text cursor after the last character.
constexpr int kCursorWidthPx = 1;

// Refuses user input that would not fit in the edit's box.
class FitValidator : public QValidator {
public:
    explicit FitValidator(FittingEdit* edit) : QValidator(edit), m_edit(edit) {}
    State validate(QString& input, int&) const override { return m_edit->Fits(input) ? Acceptable : Invalid; }

private:
    FittingEdit* m_edit;
};

} // namespace

FittingEdit::FittingEdit(QWidget* parent) : QLineEdit(parent) {
    // The line edit's maximum length would cut text that the owner sets; the
    // box's width limits what the user brings in.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new FitValidator(this));
}

bool FittingEdit::Fits(const QString& text) const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
    const int room = contents.width() - 2 * kTextSideMarginPx - kCursorWidthPx;
    return fontMetrics().horizontalAdvance(text) <= room;
}
