#include "editors/eventpagefactory.h"

#include "editors/cpageview3ir.h"
#include "editors/cpageview3relay.h"

EventPage* CreateEventPage(int index, QWidget* parent) {
    switch (index) {
    case kPageRs232:
        return nullptr;
    case kPageIr:
        return new CPageView3Ir(parent);
    case kPageRelay:
        return new CPageView3Relay(parent);
    case kPageDelay:
        return nullptr;
    case kPageCmp:
        return nullptr;
    case kPageLed:
        return nullptr;
    case kPagePage:
        return nullptr;
    case kPageLoop:
        return nullptr;
    case kPageToggle:
        return nullptr;
    default:
        return nullptr;
    }
}
