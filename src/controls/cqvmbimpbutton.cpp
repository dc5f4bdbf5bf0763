#include "controls/cqvmbimpbutton.h"

CQvmBimpButton::CQvmBimpButton(QWidget* parent) : QPushButton(parent) {}
