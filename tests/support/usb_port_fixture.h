#pragma once
// Makes a keypad simulator look like a plugged-in USB-serial device: a
// fixture sysfs tree with NAME bound to cdc_acm and a device folder where
// NAME links to the simulator's pseudo-terminal. Installs those roots for
// the port search (usbserial::SetRoots) for its lifetime.

#include "platform/usbserialports.h"

#include <QTemporaryDir>
#include <string>

class UsbPortFixture {
public:
    // No port at first: the tty class folder exists but is empty.
    UsbPortFixture();
    ~UsbPortFixture();
    UsbPortFixture(const UsbPortFixture&) = delete;
    UsbPortFixture& operator=(const UsbPortFixture&) = delete;

    // Adds a USB-serial port NAME whose device path leads to `target` (for
    // example KeypadSimulator::PortPath()); returns that device path.
    std::string Plug(const std::string& name, const std::string& target);
    // Removes the port again.
    void Unplug(const std::string& name);

    const usbserial::Roots& Roots() const { return m_roots; }

private:
    QTemporaryDir m_dir;
    usbserial::Roots m_roots;
    usbserial::Roots m_saved;
};
