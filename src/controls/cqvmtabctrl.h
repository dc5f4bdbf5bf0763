#pragma once
// The tab control that holds the event pages of the main dialog.

#include <QTabWidget>

class CQvmTabCtrl : public QTabWidget {
    Q_OBJECT
public:
    explicit CQvmTabCtrl(QWidget* parent = nullptr);
};
