// Vorle-Control: configuration tool for the wall-mounted AV control keypad.
#include "app/cravloapp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorle-Control"));
    QStringList args = QApplication::arguments();
    args.removeFirst();
    CravloApp theApp;
    return theApp.InitInstance(args);
}
