#include "controls/cqvmlistbox.h"

CQvmListBox::CQvmListBox(QWidget* parent) : QListWidget(parent) {}
