#pragma once
// A main window with the keypad simulator plugged in as the USB-serial port
// ttyACM0, device times scaled down, and helpers to connect and to read the
// connection display.

#include "device/devicetiming.h"
#include "mainwindowfixture.h"
#include "support/keypad_simulator.h"
#include "support/usb_port_fixture.h"
#include "support/wait.h"

#include <QAction>
#include <QLabel>
#include <optional>

class LinkTest : public MainWindowTest {
protected:
    static DeviceTiming FastTiming() {
        DeviceTiming t;
        t.chunkGapMs = 20;
        t.writeTimeoutMs = 300;
        t.reopenPauseMs = 10;
        t.usbConnectReplyMs = 400;
        t.comConnectReplyMs = 400;
        t.clearDialogTickMs = 40;
        return t;
    }

    void SetUp() override {
        MainWindowTest::SetUp();
        m_usb.emplace(); // after the window's fixture, so its port search wins
    }
    void TearDown() override {
        m_dlg.reset(); // the link closes before the simulator goes
        m_usb.reset();
        MainWindowTest::TearDown();
    }

    std::string PlugKeypad() { return m_usb->Plug("ttyACM0", m_sim.PortPath()); }

    // Plugs the keypad in, starts the window and connects by the USB menu.
    CravloDlg& StartConnected() {
        PlugKeypad();
        CravloDlg& dlg = Start();
        dlg.MenuAction(cmdid::kConnectionUsb)->trigger();
        EXPECT_TRUE(testwait::WaitUntil([&] { return Shows(kConnected) && dlg.m_nLinkState == 0; }));
        return dlg;
    }

    static constexpr const char* kConnected = "Connected";
    static constexpr const char* kAwaiting = "Awaiting Connection";
    static constexpr const char* kDisconnected = "Disconnected";

    // The one status text not hidden, or "" when there is not exactly one.
    std::string Status() const {
        std::string shown;
        int count = 0;
        for (QLabel* l : {m_dlg->m_staticConnected, m_dlg->m_staticAwaiting, m_dlg->m_staticDisconnected})
            if (!l->isHidden()) {
                shown = l->text().toStdString();
                ++count;
            }
        return count == 1 ? shown : std::string();
    }
    bool Shows(const char* text) const { return Status() == text; }
    // Whether the USB entry is checked; an unchecked entry shows no empty
    // check box either.
    bool UsbChecked() const {
        const QAction* usb = m_dlg->MenuAction(cmdid::kConnectionUsb);
        EXPECT_EQ(usb->isCheckable(), usb->isChecked()) << "a box without a mark";
        return usb->isChecked();
    }

    ScopedDeviceTiming m_timing{FastTiming()};
    KeypadSimulator m_sim;
    std::optional<UsbPortFixture> m_usb;
};
