#include "controls/modaldialog.h"

#include <QKeyEvent>

ModalDialog::ModalDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

int ModalDialog::DoModal() {
    return exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

void ModalDialog::SwallowKeys(bool returnKey, bool escapeKey) {
    m_bSwallowReturn = returnKey;
    m_bSwallowEscape = escapeKey;
}

void ModalDialog::showEvent(QShowEvent* event) {
    if (!m_bInitDone) {
        m_bInitDone = true;
        OnInitDialog();
        // Key presses go to the focused control first, so watch every one.
        installEventFilter(this);
        for (QWidget* child : findChildren<QWidget*>())
            child->installEventFilter(this);
    }
    QDialog::showEvent(event);
}

bool ModalDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool isReturn = key == Qt::Key_Return || key == Qt::Key_Enter;
        if ((isReturn && m_bSwallowReturn) || (key == Qt::Key_Escape && m_bSwallowEscape)) {
            event->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
