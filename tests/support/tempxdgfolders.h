#pragma once
// Points the desktop's per-user folders ($XDG_DATA_HOME, $XDG_CONFIG_HOME)
// into a temporary folder for its lifetime, so tests never write into the
// real home folder. The former values come back at the end.
//
// It also puts stand-ins for the desktop's cache tools (update-mime-database,
// update-desktop-database) first on PATH: they do nothing, so no real tool
// started by the program keeps writing into the folder after the test
// removed it.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class TempXdgFolders {
public:
    TempXdgFolders()
        : m_oldData(qgetenv("XDG_DATA_HOME")), m_oldConfig(qgetenv("XDG_CONFIG_HOME")),
          m_hadData(qEnvironmentVariableIsSet("XDG_DATA_HOME")),
          m_hadConfig(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")), m_oldPath(qgetenv("PATH")) {
        qputenv("XDG_DATA_HOME", DataHome().toUtf8());
        qputenv("XDG_CONFIG_HOME", ConfigHome().toUtf8());
        QDir().mkpath(ToolFolder());
        for (const char* tool : {"update-mime-database", "update-desktop-database"}) {
            QFile script(ToolFolder() + "/" + tool);
            if (script.open(QIODevice::WriteOnly)) {
                script.write("#!/bin/sh\nexit 0\n");
                script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            }
        }
        qputenv("PATH", ToolFolder().toUtf8() + ":" + m_oldPath);
    }
    ~TempXdgFolders() {
        Restore("XDG_DATA_HOME", m_hadData, m_oldData);
        Restore("XDG_CONFIG_HOME", m_hadConfig, m_oldConfig);
        qputenv("PATH", m_oldPath);
    }
    TempXdgFolders(const TempXdgFolders&) = delete;
    TempXdgFolders& operator=(const TempXdgFolders&) = delete;

    // The temporary folder itself, free for the test's other files.
    QString Root() const { return m_dir.path(); }
    QString DataHome() const { return m_dir.path() + "/data"; }
    QString ConfigHome() const { return m_dir.path() + "/config"; }
    // Where the cache-tool stand-ins live.
    QString ToolFolder() const { return m_dir.path() + "/bin"; }

private:
    static void Restore(const char* name, bool had, const QByteArray& value) {
        if (had)
            qputenv(name, value);
        else
            qunsetenv(name);
    }

    QTemporaryDir m_dir;
    QByteArray m_oldData, m_oldConfig;
    bool m_hadData, m_hadConfig;
    QByteArray m_oldPath;
};
