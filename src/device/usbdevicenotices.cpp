#include "device/usbdevicenotices.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <linux/netlink.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The kernel's own uevent multicast group (the device manager's is 2).
constexpr unsigned kKernelUeventGroup = 1;
constexpr size_t kUeventBufferSize = 8192;

} // namespace

UsbDeviceNotices::UsbDeviceNotices(QObject* parent) : QObject(parent) {}

UsbDeviceNotices::~UsbDeviceNotices() {
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

bool UsbDeviceNotices::StartKernelMonitor() {
    if (m_fd >= 0)
        return true;
    const int fd = ::socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_KOBJECT_UEVENT);
    if (fd < 0)
        return false;
    sockaddr_nl address{};
    address.nl_family = AF_NETLINK;
    address.nl_groups = kKernelUeventGroup;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read);
    connect(m_notifier, &QSocketNotifier::activated, this, &UsbDeviceNotices::ReadKernelMessages);
    return true;
}

void UsbDeviceNotices::ReadKernelMessages() {
    std::array<char, kUeventBufferSize> buffer;
    for (;;) {
        sockaddr_nl sender{};
        iovec io{buffer.data(), buffer.size()};
        msghdr header{};
        header.msg_name = &sender;
        header.msg_namelen = sizeof sender;
        header.msg_iov = &io;
        header.msg_iovlen = 1;
        const ssize_t n = ::recvmsg(m_fd, &header, 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return; // EAGAIN: all read; ENOBUFS: some were lost, later ones still come
        }
        // Only the kernel speaks for the devices; a cut message is not read.
        if (header.msg_namelen != sizeof sender || sender.nl_pid != 0 || (header.msg_flags & MSG_TRUNC))
            continue;
        if (const auto change = ParseUevent(std::string_view(buffer.data(), static_cast<size_t>(n))))
            Notify(*change);
    }
}

std::optional<UsbDeviceChange> UsbDeviceNotices::ParseUevent(std::string_view message) {
    // The first field is "ACTION@DEVPATH"; messages of the device manager
    // ("libudev" and a binary header) have none.
    const size_t headEnd = message.find('\0');
    const std::string_view head = message.substr(0, headEnd);
    if (head.find('@') == std::string_view::npos)
        return std::nullopt;
    std::string_view action, devpath, subsystem, devtype;
    size_t pos = headEnd == std::string_view::npos ? message.size() : headEnd + 1;
    while (pos < message.size()) {
        size_t end = message.find('\0', pos);
        if (end == std::string_view::npos)
            end = message.size();
        const std::string_view field = message.substr(pos, end - pos);
        const size_t eq = field.find('=');
        if (eq != std::string_view::npos) {
            const std::string_view key = field.substr(0, eq), value = field.substr(eq + 1);
            if (key == "ACTION")
                action = value;
            else if (key == "DEVPATH")
                devpath = value;
            else if (key == "SUBSYSTEM")
                subsystem = value;
            else if (key == "DEVTYPE")
                devtype = value;
        }
        pos = end + 1;
    }
    const bool usbDevice = subsystem == "usb" && devtype == "usb_device";
    const bool usbTty = subsystem == "tty" && devpath.find("/usb") != std::string_view::npos;
    if (!usbDevice && !usbTty)
        return std::nullopt;
    if (action == "add")
        return UsbDeviceChange::Arrival;
    if (action == "remove")
        return UsbDeviceChange::RemoveComplete;
    return std::nullopt;
}
