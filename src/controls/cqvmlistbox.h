#pragma once
// The event page list of the main dialog: a plain list box under a name of its own.

#include <QListWidget>

class CQvmListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CQvmListBox(QWidget* parent = nullptr);
};
