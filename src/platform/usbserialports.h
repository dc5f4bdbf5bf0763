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

// Every serial port the machine has, USB-serial or not, in natural order:
// a tty with a device behind it (<sysfs>/class/tty/NAME/device), leaving
// out virtual ttys (consoles, pseudo-terminals) and the placeholder ports
// that the 8250 driver keeps under its platform device for UARTs that may
// not exist. A port in use by another program is listed all the same. Nothing when the tty
// class folder cannot be read.
std::optional<std::vector<std::string>> ListSerialPorts(const Roots& roots);
std::optional<std::vector<std::string>> ListSerialPorts();

// Orders names with their digit runs compared as numbers.
bool NaturalLess(const std::string& a, const std::string& b);

} // namespace usbserial
