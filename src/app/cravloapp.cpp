#include "app/cravloapp.h"

#include "app/cravlodlg.h"

#include <QApplication>

QString g_strProjectFolder;
QString g_strProjectPath;

int CravloApp::InitInstance(const QStringList& args) {
    CravloDlg dlg(args);
    // The program ends with the main window, whatever other windows are open.
    QObject::connect(&dlg, &CravloDlg::Closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    dlg.show();
    return QApplication::exec();
}
