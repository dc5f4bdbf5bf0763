#pragma once
// Keeps a picture of a widget for a person to look at: saved as `name` in
// the folder that $QVM_SCREENSHOT_DIR names, and not at all when it is
// unset, so that a test run writes nothing outside its own temporary
// folders and two runs never share a file.

#include <QByteArray>
#include <QPixmap>
#include <QString>
#include <QWidget>

inline void SaveScreenshot(QWidget& widget, const char* name) {
    const QByteArray dir = qgetenv("QVM_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        widget.grab().save(QString::fromLocal8Bit(dir) + "/" + QString::fromUtf8(name));
}
