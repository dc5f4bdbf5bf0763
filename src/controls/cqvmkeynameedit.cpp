#include "controls/cqvmkeynameedit.h"

CQvmKeyNameEdit::CQvmKeyNameEdit(QWidget* parent) : CharFilterEdit(parent) {}

bool CQvmKeyNameEdit::AcceptsChar(QChar c) const {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == ' ' ||
           u == '.' || u == 8;
}
