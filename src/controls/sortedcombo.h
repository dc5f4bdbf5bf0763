#pragma once
// Drop-down lists that keep their entries sorted as they are added, letters
// compared without regard to case, as a sorted list of the original does.

#include <QString>

class QComboBox;

// Inserts `text` at its sorted place (after entries that compare equal) and
// returns its index. The current selection stays on its entry.
int AddSortedItem(QComboBox* combo, const QString& text);
