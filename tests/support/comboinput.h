#pragma once
// A user's choices in a drop-down list, and its entries as texts.

#include <QComboBox>
#include <QStringList>

// What the list does when the user picks entry `index`: it becomes current
// and `activated` fires.
inline void ChooseEntry(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Picks the entry with that text; false when there is none.
inline bool ChooseEntry(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    if (index < 0)
        return false;
    ChooseEntry(combo, index);
    return true;
}

inline QStringList ComboEntries(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}
