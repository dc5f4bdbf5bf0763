#pragma once
// The data edit of the RS232 and Compare pages and of the RS232 library
// editor. In hex mode only hex digits, blanks and '.' go in; in text mode
// every character does. The owner interprets the text.

#include "controls/charfilteredit.h"

class CRS232Edit : public CharFilterEdit {
    Q_OBJECT
public:
    explicit CRS232Edit(QWidget* parent = nullptr);

    bool AcceptsChar(QChar c) const override;

    // Set by the owner: true while the edit holds hex bytes.
    bool m_bHexMode = false;
};
