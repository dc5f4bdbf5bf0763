#include "controls/crs232edit.h"

CRS232Edit::CRS232Edit(QWidget* parent) : CharFilterEdit(parent) {}

bool CRS232Edit::AcceptsChar(QChar c) const {
    if (!m_bHexMode)
        return true;
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f') || u == ' ' ||
           u == '.' || u == 8;
}
