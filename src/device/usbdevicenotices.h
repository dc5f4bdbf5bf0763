#pragma once
// Notices of USB devices arriving and going away, the counterpart of the
// device-interface notices for the USB device class. The program listens to
// the kernel's uevents (a NETLINK_KOBJECT_UEVENT socket on a
// QSocketNotifier); tests call Notify by hand.
//
// Every USB device counts, not only the keypad. Besides the USB devices
// themselves, the arrival and removal of a tty that sits on a USB device is
// a notice too: the kernel creates a USB-serial tty only after the device's
// own uevent, so the port search that follows a notice finds the new port
// only at this second notice.

#include <QObject>
#include <optional>
#include <string_view>

class QSocketNotifier;

enum class UsbDeviceChange { Arrival, RemoveComplete };

class UsbDeviceNotices : public QObject {
    Q_OBJECT
public:
    explicit UsbDeviceNotices(QObject* parent = nullptr);
    ~UsbDeviceNotices() override;

    // Starts listening to the kernel. False when its notices cannot be had
    // (no netlink in this environment); nothing is reported then.
    bool StartKernelMonitor();
    bool IsMonitoring() const { return m_fd >= 0; }

    // Reports a change as if the kernel had told it.
    void Notify(UsbDeviceChange change) { emit Changed(change); }

    // The change that one kernel uevent message ("ACTION@DEVPATH", then
    // NUL-separated KEY=VALUE fields) means, or nothing for every other
    // message.
    static std::optional<UsbDeviceChange> ParseUevent(std::string_view message);

signals:
    void Changed(UsbDeviceChange change);

private:
    void ReadKernelMessages();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
};
