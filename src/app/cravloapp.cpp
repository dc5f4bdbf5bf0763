#include "app/cravloapp.h"

#include "app/cravlodlg.h"
#include "app/qtprompter.h"

#include <QApplication>

QString g_strProjectFolder;
QString g_strProjectPath;

int CravloApp::InitInstance(const QStringList& args) {
    QtPrompter prompter;
    prompt::SetPrompter(&prompter);
    int result = 0;
    {
        CravloDlg dlg(args);
        // The program ends with the main window, whatever other windows are
        // open.
        QObject::connect(&dlg, &CravloDlg::Closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        dlg.show();
        result = QApplication::exec();
    }
    prompt::SetPrompter(nullptr);
    return result;
}
