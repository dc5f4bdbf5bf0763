#pragma once
// The application: runs the main window until it is closed.

#include <QString>
#include <QStringList>

// Folder and full path of the current project file; empty until a project
// was opened or saved through a file dialog.
extern QString g_strProjectFolder;
extern QString g_strProjectPath;

class CravloApp {
public:
    // Shows the main window for the command-line arguments (after the
    // program name) and runs the event loop until the window closes.
    int InitInstance(const QStringList& args);
};
