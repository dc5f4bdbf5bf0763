#include "controls/cqvmtabctrl.h"

CQvmTabCtrl::CQvmTabCtrl(QWidget* parent) : QTabWidget(parent) {}
