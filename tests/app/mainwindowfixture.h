#pragma once
// A main window started in a temporary program folder (settings file and
// Library folder) with the desktop's data and config folders in the same
// place, and every message answered by a scripted prompter.

#include "app/cravlodlg.h"
#include "platform/programpaths.h"
#include "support/scripted_prompter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_oldData = qgetenv("XDG_DATA_HOME");
        m_oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_DATA_HOME", (m_dir.path() + "/xdg-data").toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_dir.path() + "/xdg-config").toUtf8());
        paths::SetProgramFolder(m_dir.path());
    }
    void TearDown() override {
        m_dlg.reset();
        paths::SetProgramFolder({});
        qputenv("XDG_DATA_HOME", m_oldData);
        qputenv("XDG_CONFIG_HOME", m_oldConfig);
    }

    QString SettingsPath() const { return m_dir.path() + "/dvsetup.ini"; }
    void WriteSettings(const std::string& content) {
        QFile f(SettingsPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content.data(), qint64(content.size()));
    }
    std::string ReadSettings() const {
        QFile f(SettingsPath());
        if (!f.open(QIODevice::ReadOnly))
            return "<missing>";
        return f.readAll().toStdString();
    }

    CravloDlg& Start(const QStringList& args = {}, bool show = true) {
        m_dlg = std::make_unique<CravloDlg>(args);
        if (show) {
            m_dlg->show();
            QApplication::processEvents();
        }
        return *m_dlg;
    }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    std::unique_ptr<CravloDlg> m_dlg;

private:
    QByteArray m_oldData;
    QByteArray m_oldConfig;
};
