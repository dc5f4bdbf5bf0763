#include "controls/sortedcombo.h"

#include <QComboBox>

int AddSortedItem(QComboBox* combo, const QString& text) {
    int index = combo->count();
    for (int i = 0; i < combo->count(); ++i) {
        if (QString::compare(text, combo->itemText(i), Qt::CaseInsensitive) < 0) {
            index = i;
            break;
        }
    }
    combo->insertItem(index, text);
    return index;
}
