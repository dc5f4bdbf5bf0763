#pragma once
// A main window started in a temporary program folder (settings file and
// Library folder) with the desktop's data and config folders in the same
// place, and every message answered by a scripted prompter.

#include "app/cravloapp.h"
#include "app/cravlodlg.h"
#include "platform/programpaths.h"
#include "platform/usbserialports.h"
#include "support/filecontent.h"
#include "support/scripted_prompter.h"
#include "support/tempxdgfolders.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        paths::SetProgramFolder(m_xdg.Root());
        // No USB-serial port unless a test adds one to this tree.
        m_savedRoots = usbserial::CurrentRoots();
        usbserial::SetRoots({SysfsRoot().toStdString(), "/dev"});
    }
    void TearDown() override {
        m_dlg.reset();
        // The current project is process-wide; the next test starts without.
        g_strProjectFolder.clear();
        g_strProjectPath.clear();
        paths::SetProgramFolder({});
        usbserial::SetRoots(m_savedRoots);
    }

    QString SysfsRoot() const { return m_xdg.Root() + "/sys"; }
    // A tty bound to the USB-serial (cdc_acm) driver, as the kernel shows it.
    void AddUsbSerialPort(const QString& name) {
        const QString device = SysfsRoot() + "/class/tty/" + name + "/device";
        ASSERT_TRUE(QDir().mkpath(device));
        ASSERT_TRUE(QFile::link("../../../../bus/usb/drivers/cdc_acm", device + "/driver"));
    }

    QString SettingsPath() const { return m_xdg.Root() + "/dvsetup.ini"; }
    void WriteSettings(const std::string& content) { ASSERT_TRUE(WriteFileBytes(SettingsPath(), content)); }
    std::string ReadSettings() const { return ReadFileBytes(SettingsPath()); }

    CravloDlg& Start(const QStringList& args = {}, bool show = true) {
        m_dlg = std::make_unique<CravloDlg>(args);
        if (show) {
            m_dlg->show();
            QApplication::processEvents();
        }
        return *m_dlg;
    }

    TempXdgFolders m_xdg;
    ScriptedPrompter m_prompter;
    std::unique_ptr<CravloDlg> m_dlg;
    usbserial::Roots m_savedRoots;
};
