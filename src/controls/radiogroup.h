#pragma once
// Radio button groups read and set as one number, the index of the checked
// button within the group (-1 when none is checked), as the original's
// dialogs exchange them.

class QAbstractButton;
class QButtonGroup;

// Checks the button with that id; an id the group does not have leaves
// every button of the group unchecked.
void CheckGroupButton(QButtonGroup* group, int id);

// Narrows a radio button or check box to its indicator and caption, so that
// only what it shows takes clicks.
void FitToCaption(QAbstractButton* button);
