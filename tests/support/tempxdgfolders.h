#pragma once
// Points the desktop's per-user folders ($XDG_DATA_HOME, $XDG_CONFIG_HOME)
// into a temporary folder for its lifetime, so tests never write into the
// real home folder. The former values come back at the end.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TempXdgFolders {
public:
    TempXdgFolders()
        : m_oldData(qgetenv("XDG_DATA_HOME")), m_oldConfig(qgetenv("XDG_CONFIG_HOME")),
          m_hadData(qEnvironmentVariableIsSet("XDG_DATA_HOME")),
          m_hadConfig(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
        qputenv("XDG_DATA_HOME", DataHome().toUtf8());
        qputenv("XDG_CONFIG_HOME", ConfigHome().toUtf8());
    }
    ~TempXdgFolders() {
        Restore("XDG_DATA_HOME", m_hadData, m_oldData);
        Restore("XDG_CONFIG_HOME", m_hadConfig, m_oldConfig);
    }
    TempXdgFolders(const TempXdgFolders&) = delete;
    TempXdgFolders& operator=(const TempXdgFolders&) = delete;

    // The temporary folder itself, free for the test's other files.
    QString Root() const { return m_dir.path(); }
    QString DataHome() const { return m_dir.path() + "/data"; }
    QString ConfigHome() const { return m_dir.path() + "/config"; }

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
};
