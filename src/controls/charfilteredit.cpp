#include "controls/charfilteredit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <algorithm>
#include <limits>

namespace {

// What the user may bring a text to without a limit of the edit's own: the
// line edit's usual maximum length.
constexpr int kTypingLimitChars = 32767;

} // namespace

CharFilterEdit::CharFilterEdit(QWidget* parent) : QLineEdit(parent) {
    // The line edit's maximum length would cut text that the owner sets;
    // Room() limits what the user brings in instead.
    setMaxLength(std::numeric_limits<int>::max());
}

QString CharFilterEdit::FilterText(const QString& text) const {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (AcceptsChar(c))
            kept.append(c);
    }
    return kept;
}

QString CharFilterEdit::FilterToRoom(const QString& text, int replaced) const {
    QString kept = FilterText(text);
    int room = Room(replaced);
    // A surrogate pair that does not fit whole stays out with its high half.
    if (room > 0 && room < kept.size() && kept.at(room - 1).isHighSurrogate() &&
        kept.at(room).isLowSurrogate())
        --room;
    kept.truncate(room);
    return kept;
}

int CharFilterEdit::Room(int replaced) const {
    const int limit = m_nLimitText > 0 ? m_nLimitText : kTypingLimitChars;
    return std::max(0, limit - int(text().size()) + replaced);
}

void CharFilterEdit::InsertFiltered(const QString& text) {
    if (isReadOnly())
        return;
    const QString kept = FilterToRoom(text, int(selectedText().size()));
    if (!kept.isEmpty())
        insert(kept);
}

void CharFilterEdit::PasteFiltered() {
    InsertFiltered(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
}

bool CharFilterEdit::InsertsText(const QKeyEvent& event) {
    const QString typed = event.text();
    if (typed.isEmpty())
        return false;
    const QChar first = typed.at(0);
    // Formatting characters go in whatever is held.
    if (first.category() == QChar::Other_Format)
        return true;
    // Control characters (Return, Escape, backspace) keep their meaning.
    if (first.unicode() < 0x20 || first.unicode() == 0x7f)
        return false;
    // Ctrl and Ctrl+Shift are shortcuts; every other combination (Ctrl+Alt
    // as AltGr, Super, AltGr, Alt) types its text.
    const Qt::KeyboardModifiers held = event.modifiers();
    return held != Qt::ControlModifier && held != (Qt::ControlModifier | Qt::ShiftModifier);
}

void CharFilterEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        PasteFiltered();
        event->accept();
        return;
    }
    if (InsertsText(*event)) {
        const QString typed = event->text();
        if (FilterText(typed) != typed || typed.size() > Room(int(selectedText().size()))) {
            InsertFiltered(typed);
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void CharFilterEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    const QString kept = FilterToRoom(commit, int(selectedText().size()));
    if (kept == commit) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->accept();
}

void CharFilterEdit::mouseReleaseEvent(QMouseEvent* event) {
    // On X11 a middle click pastes the primary selection.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        InsertFiltered(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CharFilterEdit::contextMenuEvent(QContextMenuEvent* event) {
    QPointer<QMenu> menu = createStandardContextMenu();
    if (!menu) {
        event->ignore();
        return;
    }
    // The standard menu's paste entry, known by its text (the shortcut
    // follows a tab).
    const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == pasteText) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &CharFilterEdit::PasteFiltered);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

void CharFilterEdit::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    // Text moved within the edit leaves its place first.
    const int replaced = event->source() == this ? int(selectedText().size()) : 0;
    QMimeData kept;
    kept.setText(FilterToRoom(event->mimeData()->text(), replaced));
    QDropEvent filtered(event->position(), event->possibleActions(), &kept, event->buttons(),
                        event->modifiers(), event->type());
    QLineEdit::dropEvent(&filtered);
    event->setDropAction(filtered.dropAction());
    event->setAccepted(filtered.isAccepted());
}
