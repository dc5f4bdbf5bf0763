#include "platform/usbserialports.h"

#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// A sysfs tree: ttys under class/tty, each optionally bound to a driver the
// way the kernel shows it (device/driver links to the driver's folder).
class SysfsTree {
public:
    SysfsTree() : m_root(m_dir.path().toStdString() + "/sys") { fs::create_directories(m_root); }

    void AddClassFolder() { fs::create_directories(m_root + "/class/tty"); }

    void AddTty(const std::string& name, const std::string& driver) {
        const std::string device = m_root + "/class/tty/" + name + "/device";
        fs::create_directories(device);
        if (!driver.empty())
            fs::create_directory_symlink("../../../../bus/usb/drivers/" + driver, device + "/driver");
    }

    // A tty as the kernel links it: class/tty/NAME points into devices/,
    // where its device folder sits under `devicePath`; `devicePath` empty
    // gives a virtual tty without a device.
    void AddLinkedTty(const std::string& name, const std::string& devicePath) {
        const std::string base =
            devicePath.empty() ? "/devices/virtual/tty" : "/devices/" + devicePath + "/tty";
        fs::create_directories(m_root + base + "/" + name);
        if (!devicePath.empty())
            fs::create_directory_symlink("../..", m_root + base + "/" + name + "/device");
        fs::create_directories(m_root + "/class/tty");
        fs::create_directory_symlink("../.." + base + "/" + name, m_root + "/class/tty/" + name);
    }

    usbserial::Roots Roots() const { return {m_root, "/dev"}; }

private:
    QTemporaryDir m_dir;
    std::string m_root;
};

using Ports = std::vector<std::string>;

} // namespace

TEST(UsbSerialPorts, FindsOnlyTtysBoundToCdcAcm) {
    SysfsTree tree;
    tree.AddClassFolder();
    tree.AddTty("ttyACM0", "cdc_acm");
    tree.AddTty("ttyS0", "serial8250");
    tree.AddTty("tty1", "");
    EXPECT_EQ(usbserial::ListPorts(tree.Roots()), Ports{"/dev/ttyACM0"});
}

TEST(UsbSerialPorts, AnEmptyTreeFindsNoneAndAMissingOneFails) {
    SysfsTree tree;
    EXPECT_EQ(usbserial::ListPorts(tree.Roots()), std::nullopt);
    tree.AddClassFolder();
    EXPECT_EQ(usbserial::ListPorts(tree.Roots()), Ports{});
}

TEST(UsbSerialPorts, PortsComeInNaturalOrderUnderTheDeviceRoot) {
    SysfsTree tree;
    tree.AddClassFolder();
    for (const char* name : {"ttyACM10", "ttyACM2", "ttyUSB0", "ttyACM1"})
        tree.AddTty(name, "cdc_acm");
    usbserial::Roots roots = tree.Roots();
    roots.dev = "/test-devices";
    EXPECT_EQ(usbserial::ListPorts(roots), (Ports{"/test-devices/ttyACM1", "/test-devices/ttyACM2",
                                                  "/test-devices/ttyACM10", "/test-devices/ttyUSB0"}));

    const usbserial::Roots saved = usbserial::CurrentRoots();
    usbserial::SetRoots(roots);
    EXPECT_EQ(usbserial::ListPorts()->size(), 4u);
    usbserial::SetRoots(saved);
    EXPECT_EQ(usbserial::CurrentRoots().sysfs, "/sys");
}

TEST(UsbSerialPorts, NaturalOrderComparesDigitRunsAsNumbers) {
    using usbserial::NaturalLess;
    EXPECT_TRUE(NaturalLess("ttyACM2", "ttyACM10"));
    EXPECT_FALSE(NaturalLess("ttyACM10", "ttyACM2"));
    EXPECT_TRUE(NaturalLess("ttyACM9", "ttyUSB0"));
    EXPECT_TRUE(NaturalLess("a1b2", "a1b10"));
    EXPECT_TRUE(NaturalLess("tty", "tty0"));
    EXPECT_FALSE(NaturalLess("ttyACM3", "ttyACM3"));
}

TEST(UsbSerialPorts, EverySerialPortWithADeviceIsListedButThe8250Placeholders) {
    SysfsTree tree;
    EXPECT_EQ(usbserial::ListSerialPorts(tree.Roots()), std::nullopt);
    tree.AddClassFolder();
    EXPECT_EQ(usbserial::ListSerialPorts(tree.Roots()), Ports{});

    tree.AddTty("ttyACM0", "cdc_acm");
    tree.AddLinkedTty("ttyUSB10", "pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/ttyUSB10");
    tree.AddLinkedTty("ttyUSB2", "pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0/ttyUSB2");
    tree.AddLinkedTty("ttyS0", "pnp0/00:05/00:05:0/00:05:0.0");
    tree.AddLinkedTty("ttyS1", "platform/serial8250/serial8250:0/serial8250:0.1");
    tree.AddLinkedTty("ttyS2", "platform/serial8250");
    tree.AddLinkedTty("tty1", "");
    tree.AddLinkedTty("console", "");
    EXPECT_EQ(usbserial::ListSerialPorts(tree.Roots()),
              (Ports{"/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyUSB2", "/dev/ttyUSB10"}));
}
