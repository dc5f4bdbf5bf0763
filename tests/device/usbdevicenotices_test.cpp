#include "device/usbdevicenotices.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using Change = std::optional<UsbDeviceChange>;

// A kernel uevent message: "ACTION@DEVPATH" and the fields, each ended by NUL.
std::string Uevent(const std::string& action, const std::string& devpath,
                   const std::vector<std::string>& fields) {
    std::string m = action + "@" + devpath;
    m.push_back('\0');
    for (const std::string& f : {"ACTION=" + action, "DEVPATH=" + devpath}) {
        m += f;
        m.push_back('\0');
    }
    for (const std::string& f : fields) {
        m += f;
        m.push_back('\0');
    }
    return m;
}

const std::string kUsbDevice = "/devices/pci0000:00/0000:00:14.0/usb1/1-2";
const std::string kUsbTty = "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/tty/ttyACM0";

} // namespace

TEST(UsbDeviceNotices, UsbDevicesAndTheirTtysArriveAndGo) {
    const std::vector<std::string> device = {"SUBSYSTEM=usb", "MAJOR=189", "DEVTYPE=usb_device",
                                             "SEQNUM=4711"};
    EXPECT_EQ(UsbDeviceNotices::ParseUevent(Uevent("add", kUsbDevice, device)),
              Change(UsbDeviceChange::Arrival));
    EXPECT_EQ(UsbDeviceNotices::ParseUevent(Uevent("remove", kUsbDevice, device)),
              Change(UsbDeviceChange::RemoveComplete));
    EXPECT_EQ(UsbDeviceNotices::ParseUevent(Uevent("add", kUsbTty, {"SUBSYSTEM=tty", "DEVNAME=ttyACM0"})),
              Change(UsbDeviceChange::Arrival));
    EXPECT_EQ(UsbDeviceNotices::ParseUevent(Uevent("remove", kUsbTty, {"SUBSYSTEM=tty", "DEVNAME=ttyACM0"})),
              Change(UsbDeviceChange::RemoveComplete));
}

TEST(UsbDeviceNotices, EverythingElseIsNoNotice) {
    const std::vector<std::string> device = {"SUBSYSTEM=usb", "DEVTYPE=usb_device"};
    for (const char* action : {"change", "bind", "unbind", "move", "online", "offline"})
        EXPECT_EQ(UsbDeviceNotices::ParseUevent(Uevent(action, kUsbDevice, device)), std::nullopt) << action;
    // The device's interfaces, other buses, ttys not on USB.
    EXPECT_EQ(UsbDeviceNotices::ParseUevent(
                  Uevent("add", kUsbDevice + "/1-2:1.0", {"SUBSYSTEM=usb", "DEVTYPE=usb_interface"})),
              std::nullopt);
    EXPECT_EQ(UsbDeviceNotices::ParseUevent(Uevent("add", "/devices/pci0000:00/0000:00:1f.2/ata1",
                                                   {"SUBSYSTEM=scsi", "DEVTYPE=scsi_host"})),
              std::nullopt);
    EXPECT_EQ(UsbDeviceNotices::ParseUevent(Uevent("add", "/devices/virtual/tty/ttyS9", {"SUBSYSTEM=tty"})),
              std::nullopt);
    // The device manager's messages and damaged ones.
    std::string libudev("libudev\0\xfe\xed\xca\xfe", 12);
    libudev += std::string("ACTION=add\0SUBSYSTEM=usb\0DEVTYPE=usb_device\0", 44);
    EXPECT_EQ(UsbDeviceNotices::ParseUevent(libudev), std::nullopt);
    EXPECT_EQ(UsbDeviceNotices::ParseUevent(""), std::nullopt);
    EXPECT_EQ(UsbDeviceNotices::ParseUevent(std::string("add@", 4)), std::nullopt);
    EXPECT_EQ(UsbDeviceNotices::ParseUevent(std::string("add@/x\0ACTION\0SUBSYSTEM\0=usb", 28)),
              std::nullopt);
    // Fields cut short at the end of the message.
    EXPECT_EQ(
        UsbDeviceNotices::ParseUevent(std::string("add@/x\0ACTION=add\0SUBSYSTEM=usb\0DEVTYPE=usb_dev", 47)),
        std::nullopt);
    EXPECT_EQ(UsbDeviceNotices::ParseUevent(
                  std::string("add@/x\0ACTION=add\0SUBSYSTEM=usb\0DEVTYPE=usb_device", 50)),
              Change(UsbDeviceChange::Arrival));
}

TEST(UsbDeviceNotices, NotifyReportsTheChange) {
    UsbDeviceNotices notices;
    std::vector<UsbDeviceChange> seen;
    QObject::connect(&notices, &UsbDeviceNotices::Changed, [&](UsbDeviceChange c) { seen.push_back(c); });
    notices.Notify(UsbDeviceChange::RemoveComplete);
    notices.Notify(UsbDeviceChange::Arrival);
    EXPECT_EQ(seen,
              (std::vector<UsbDeviceChange>{UsbDeviceChange::RemoveComplete, UsbDeviceChange::Arrival}));
}
