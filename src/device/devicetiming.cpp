#include "device/devicetiming.h"

DeviceTiming& Timing() {
    static DeviceTiming timing;
    return timing;
}
