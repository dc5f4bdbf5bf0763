#include "controls/radiogroup.h"

#include <QAbstractButton>
#include <QButtonGroup>

#include <algorithm>

void CheckGroupButton(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked unless told otherwise.
    const bool exclusive = group->exclusive();
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(exclusive);
}

void FitToCaption(QAbstractButton* button) {
    button->resize(std::min(button->width(), button->sizeHint().width()), button->height());
}
