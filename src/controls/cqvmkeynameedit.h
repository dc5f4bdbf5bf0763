#pragma once
// The key name edit of the key action dialogs: letters, digits, blank and
// '.' only, as the device shows key names.

#include "controls/charfilteredit.h"

class CQvmKeyNameEdit : public CharFilterEdit {
    Q_OBJECT
public:
    explicit CQvmKeyNameEdit(QWidget* parent = nullptr);

    bool AcceptsChar(QChar c) const override;
};
