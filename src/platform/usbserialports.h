#pragma once
// USB-serial (CDC ACM) ports, the counterpart of the registry's
// "\Device\USBSER" serial entries: a tty whose device is bound to the
// cdc_acm driver, i.e. <sysfs>/class/tty/NAME/device/driver links to a
// folder named cdc_acm; its port is <dev>/NAME.
//
// Both roots can be replaced, so tests describe ports with a fixture tree
// (and may point <dev>/NAME at a pseudo-terminal).

#include <optional>
#include <string>
#include <vector>

namespace usbserial {

struct Roots {
    std::string sysfs = "/sys";
    std::string dev = "/dev";
};

// The roots used by ListPorts() without arguments; process-wide.
Roots CurrentRoots();
void SetRoots(const Roots& roots);

// The device paths of the USB-serial ports in natural order (ttyACM2 before
// ttyACM10); nothing when the tty class folder cannot be read at all.
std::optional<std::vector<std::string>> ListPorts(const Roots& roots);
std::optional<std::vector<std::string>> ListPorts();

// Orders names with their digit runs compared as numbers.
bool NaturalLess(const std::string& a, const std::string& b);

} // namespace usbserial
