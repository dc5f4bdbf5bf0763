#pragma once
// The small image buttons above the main dialog's lists.

#include <QPushButton>

class CQvmBimpButton : public QPushButton {
    Q_OBJECT
public:
    explicit CQvmBimpButton(QWidget* parent = nullptr);
};
