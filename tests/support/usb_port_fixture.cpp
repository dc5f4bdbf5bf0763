#include "support/usb_port_fixture.h"

#include <filesystem>

namespace fs = std::filesystem;

UsbPortFixture::UsbPortFixture() : m_saved(usbserial::CurrentRoots()) {
    const std::string root = m_dir.path().toStdString();
    m_roots = {root + "/sys", root + "/dev"};
    fs::create_directories(m_roots.sysfs + "/class/tty");
    fs::create_directories(m_roots.dev);
    usbserial::SetRoots(m_roots);
}

UsbPortFixture::~UsbPortFixture() {
    usbserial::SetRoots(m_saved);
}

std::string UsbPortFixture::Plug(const std::string& name, const std::string& target) {
    const std::string device = m_roots.sysfs + "/class/tty/" + name + "/device";
    fs::create_directories(device);
    fs::create_directory_symlink("../../../../bus/usb/drivers/cdc_acm", device + "/driver");
    const std::string path = m_roots.dev + "/" + name;
    fs::create_symlink(target, path);
    return path;
}

void UsbPortFixture::Unplug(const std::string& name) {
    std::error_code ec;
    fs::remove_all(m_roots.sysfs + "/class/tty/" + name, ec);
    fs::remove(m_roots.dev + "/" + name, ec);
}
