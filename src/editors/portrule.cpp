#include "editors/portrule.h"

#include <cstddef>

const char* PortRefusal(int model, int portMode, int portIndex, const PortTable& table) {
    // The model is compared as an unsigned number: a negative one is no
    // model 0 or 1.
    if (static_cast<unsigned>(model) > 1u)
        return nullptr;
    if (portMode < 0 || portMode >= int(table.size()))
        return nullptr;
    const PortRule& rule = table[size_t(portMode)];
    const bool refused = (portIndex >= 0 && portIndex < int(rule.refused.size()))
                             ? rule.refused[size_t(portIndex)]
                             : rule.refuseOther;
    return refused ? rule.message : nullptr;
}
