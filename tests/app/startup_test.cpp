// Start-up of the main window: the settings file, the key panel of the
// stored device model and the port-mode box. Set QVM_SCREENSHOT_DIR to keep
// a picture of each model's window.
#include "mainwindowfixture.h"

#include "app/cravloapp.h"
#include "app/doctyperegistration.h"
#include "support/screenshot.h"
#include "support/wait.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>

namespace {

QComboBox* PortModeBox(CravloDlg& dlg) {
    return qobject_cast<QComboBox*>(dlg.Control(1146));
}

} // namespace

TEST_F(MainWindowTest, FirstStartCreatesSettingsAndShowsTheModel0Panel) {
    // The window icon and the file type's registration follow the first
    // paint, so that the window shows sooner.
    const QString desktopEntry = m_xdg.DataHome() + "/applications/" + doctype::kDesktopFileName;
    CravloDlg& dlg = Start({}, false);
    EXPECT_TRUE(dlg.windowIcon().isNull());
    EXPECT_FALSE(QFile::exists(desktopEntry));
    dlg.show();
    EXPECT_TRUE(testwait::WaitUntil([&] { return QFile::exists(desktopEntry); }));
    EXPECT_EQ(dlg.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    SaveScreenshot(dlg, "model0.png");

    EXPECT_EQ(ReadSettings(), "[SYSTEM]\r\nMACHINE_TYPE=0\r\n");
    EXPECT_EQ(dlg.windowTitle(), "Vorle-Control");
    EXPECT_EQ(dlg.m_nModel, 0);
    EXPECT_EQ(dlg.m_nPortMode, 0);
    for (int i = 0; i < 32; ++i) {
        auto* key = dlg.findChild<CBaseButton*>(QString::number(0x1200 + i));
        ASSERT_NE(key, nullptr) << i;
        EXPECT_TRUE(key->isVisible()) << i;
        EXPECT_EQ(key->m_strName, std::to_string(i + 1));
        EXPECT_EQ(key->m_strCaption, std::to_string(i + 1));
        EXPECT_EQ(key->m_nKeyType, i < 8 ? 0 : 3) << i;
    }
    const char* systemNames[] = {"IOL", "IOH", "Time", "Start"};
    for (int i = 32; i < 36; ++i) {
        const CBaseButton& key = dlg.m_keys[size_t(i)];
        EXPECT_TRUE(key.isVisible());
        EXPECT_EQ(key.m_strName, systemNames[i - 32]);
        EXPECT_EQ(key.m_strCaption, std::to_string(i + 1));
        EXPECT_EQ(key.m_nKeyType, 4);
        EXPECT_EQ(key.m_nColorScheme, 4);
    }
    EXPECT_TRUE(dlg.MenuAction(32783)->isChecked());
    EXPECT_TRUE(PortModeBox(dlg)->isEnabled());
    EXPECT_EQ(PortModeBox(dlg)->currentText(), "RS232(1),(2)");
    auto* disconnected = qobject_cast<QLabel*>(dlg.Control(1191));
    EXPECT_TRUE(disconnected->isVisible());
    EXPECT_EQ(disconnected->text(), "Disconnected");
    EXPECT_FALSE(dlg.Control(1190)->isVisible());
    EXPECT_FALSE(dlg.Control(1192)->isVisible());
    // The status is painted on its colour.
    const QImage image = dlg.grab().toImage();
    const QRect r = disconnected->geometry().translated(dlg.Client()->pos());
    EXPECT_EQ(image.pixelColor(r.left() + 2, r.top() + 2), QColor(255, 0, 0));
}

TEST_F(MainWindowTest, Model1KeepsThePortModeBoxShownButDisabled) {
    WriteSettings("[SYSTEM]\r\nMACHINE_TYPE=1\r\nMACHINE_PORT=2\r\n");
    CravloDlg& dlg = Start();
    SaveScreenshot(dlg, "model1.png");

    EXPECT_EQ(dlg.m_nModel, 1);
    EXPECT_EQ(dlg.m_nPortMode, 2);
    EXPECT_TRUE(PortModeBox(dlg)->isVisible());
    EXPECT_FALSE(PortModeBox(dlg)->isEnabled());
    EXPECT_EQ(PortModeBox(dlg)->currentText(), "RS232(1),IR 3");
    EXPECT_FALSE(dlg.MenuAction(32783)->isChecked());
    // The settings are read, not rewritten.
    EXPECT_EQ(ReadSettings(), "[SYSTEM]\r\nMACHINE_TYPE=1\r\nMACHINE_PORT=2\r\n");
}

TEST_F(MainWindowTest, Model2HidesThePortModeBox) {
    WriteSettings("[system]\nmachine_type = 2\nMACHINE_PORT=3\n");
    CravloDlg& dlg = Start();
    SaveScreenshot(dlg, "model2.png");

    EXPECT_EQ(dlg.m_nModel, 2);
    EXPECT_EQ(dlg.m_nPortMode, 0);
    EXPECT_FALSE(PortModeBox(dlg)->isVisible());
    EXPECT_FALSE(dlg.Control(1183)->isVisible());
    EXPECT_TRUE(dlg.Control(1149)->isVisible());
    EXPECT_EQ(dlg.m_keys[18].m_nKeyType, 0);
    EXPECT_EQ(dlg.m_keys[19].m_nKeyType, 3);
}

TEST_F(MainWindowTest, StatusIsAwaitingConnectionWhenAUsbSerialPortIsPresent) {
    AddUsbSerialPort("ttyACM0");
    CravloDlg& dlg = Start();
    auto* awaiting = qobject_cast<QLabel*>(dlg.Control(1192));
    EXPECT_TRUE(awaiting->isVisible());
    EXPECT_EQ(awaiting->text(), "Awaiting Connection");
    EXPECT_EQ(awaiting->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_FALSE(dlg.Control(1191)->isVisible());
    EXPECT_FALSE(dlg.Control(1190)->isVisible());
    const QImage image = dlg.grab().toImage();
    const QRect r = awaiting->geometry().translated(dlg.Client()->pos());
    EXPECT_EQ(image.pixelColor(r.left() + 2, r.top() + 2), QColor(255, 255, 0));
}

TEST_F(MainWindowTest, AProjectOnTheCommandLineNamesTheWindowOnlyWhenItLoads) {
    g_strProjectFolder = "/left/over";
    CravloDlg& dlg = Start({"/no/such/folder/house.dvp"});
    // A file that cannot be read changes nothing, the title included.
    EXPECT_EQ(dlg.windowTitle(), "Vorle-Control");
    EXPECT_EQ(m_prompter.Count("The File is Destroy"), 1u);
    // Save then asks for a file name: there is no current project.
    EXPECT_TRUE(g_strProjectFolder.isEmpty());
    EXPECT_TRUE(g_strProjectPath.isEmpty());
}
