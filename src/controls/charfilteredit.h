#pragma once
// A one-line edit that lets only the characters of its own set in. Typed
// characters outside the set are dropped without a sound, whatever modifiers
// are held; pasted, dropped, middle-click and input-method text keeps only
// the characters of the set.
// Text that the owner sets with setText() is never filtered.
//
// SetLimitText caps what the user may bring the text to, as a character
// limit of the platform's edit does: typing that would pass it is dropped
// and pasted text is cut to the room left, while text that the owner sets
// is taken whole, even when it is longer (QLineEdit's own maximum length
// would cut it).

#include <QLineEdit>

class CharFilterEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CharFilterEdit(QWidget* parent = nullptr);

    // Whether the user may enter the character.
    virtual bool AcceptsChar(QChar c) const = 0;

    // The characters of text that the set accepts, in order.
    QString FilterText(const QString& text) const;

    // Pastes the clipboard's text through the filter.
    void PasteFiltered();

    // The most characters the user may bring the text to; 0: 32,767, the
    // line edit's usual maximum length.
    void SetLimitText(int limit) { m_nLimitText = limit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Whether the line edit's own handling would insert the key's text.
    static bool InsertsText(const QKeyEvent& event);
    void InsertFiltered(const QString& text);
    // The characters of text that the set accepts, cut to the room left
    // when `replaced` characters give way; a surrogate pair is never split.
    QString FilterToRoom(const QString& text, int replaced) const;
    // How many characters the user may still add when `replaced`
    // characters of the text give way to them.
    int Room(int replaced) const;

    int m_nLimitText = 0;
};
