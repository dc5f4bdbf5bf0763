#pragma once
// Which output ports an RS232, IR or Compare event may use under the
// device's port mode. Models 0 and 1 share their output lines between RS232
// and IR as the port mode says; model 2 (and any other model value) has
// every port of every kind.

#include <array>

// What one port mode refuses for one event kind.
struct PortRule {
    // By port list index: "Port 1", "Port 2", "Port 3".
    std::array<bool, 3> refused{};
    // Whether an index outside 0-2 (no port selected) is refused too.
    bool refuseOther = false;
    // The refusal text; "\r" starts a second line.
    const char* message = "";
};

// The rules of one event kind, by port mode 0-3.
using PortTable = std::array<PortRule, 4>;

// The refusal text for choosing port list index `portIndex` on device model
// `model` under port mode `portMode`, or nullptr when the port may be used.
// Only models 0 and 1 refuse anything; a port mode outside 0-3 refuses
// nothing.
const char* PortRefusal(int model, int portMode, int portIndex, const PortTable& table);
