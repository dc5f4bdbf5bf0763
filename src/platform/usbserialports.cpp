#include "platform/usbserialports.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <mutex>

namespace fs = std::filesystem;

namespace usbserial {
namespace {

std::mutex g_mutex;
Roots g_roots;

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

Roots CurrentRoots() {
    std::lock_guard lock(g_mutex);
    return g_roots;
}

void SetRoots(const Roots& roots) {
    std::lock_guard lock(g_mutex);
    g_roots = roots;
}

bool NaturalLess(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            size_t ie = i, je = j;
            while (ie < a.size() && IsDigit(a[ie]))
                ++ie;
            while (je < b.size() && IsDigit(b[je]))
                ++je;
            // Compare the runs as numbers: skip leading zeros, then the longer
            // run is the larger, then digit by digit.
            size_t is = i, js = j;
            while (is + 1 < ie && a[is] == '0')
                ++is;
            while (js + 1 < je && b[js] == '0')
                ++js;
            if (ie - is != je - js)
                return ie - is < je - js;
            const int c = a.compare(is, ie - is, b, js, je - js);
            if (c != 0)
                return c < 0;
            i = ie;
            j = je;
            continue;
        }
        if (a[i] != b[j])
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

// The device paths of the ttys under <sysfs>/class/tty that `keep` accepts
// (it sees the tty's sysfs folder), in natural order of their names.
template <typename Keep> std::optional<std::vector<std::string>> ListTtys(const Roots& roots, Keep keep) {
    std::error_code ec;
    fs::directory_iterator it(fs::path(roots.sysfs) / "class" / "tty", ec);
    if (ec)
        return std::nullopt;
    std::vector<std::string> names;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        if (keep(it->path()))
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), NaturalLess);
    std::vector<std::string> ports;
    for (const std::string& name : names)
        ports.push_back((fs::path(roots.dev) / name).string());
    return ports;
}

std::optional<std::vector<std::string>> ListPorts(const Roots& roots) {
    return ListTtys(roots, [](const fs::path& tty) {
        std::error_code linkError;
        const fs::path driver = fs::read_symlink(tty / "device" / "driver", linkError);
        return !linkError && driver.filename() == "cdc_acm";
    });
}

std::optional<std::vector<std::string>> ListPorts() {
    return ListPorts(CurrentRoots());
}

std::optional<std::vector<std::string>> ListSerialPorts(const Roots& roots) {
    return ListTtys(roots, [](const fs::path& tty) {
        std::error_code ec;
        const fs::path device = fs::canonical(tty / "device", ec);
        if (ec)
            return false;
        // The 8250 driver registers ttyS ports for UARTs that may not exist
        // under its platform device; real ones sit on their own bus (pnp,
        // pci, usb, ...).
        return device.string().find("/platform/serial8250") == std::string::npos;
    });
}

std::optional<std::vector<std::string>> ListSerialPorts() {
    return ListSerialPorts(CurrentRoots());
}

} // namespace usbserial
