#include "editors/eventpagefactory.h"

#include "editors/cpageview3casd.h"
#include "editors/cpageview3cmp.h"
#include "editors/cpageview3delay.h"
#include "editors/cpageview3ir.h"
#include "editors/cpageview3ledp.h"
#include "editors/cpageview3page.h"
#include "editors/cpageview3relay.h"
#include "editors/cpageview3rs232.h"
#include "editors/cpageview3toggle.h"

namespace {

EventPage* NewEventPage(int index, QWidget* parent) {
    switch (index) {
    case kPageRs232:
        return new CPageView3Rs232(parent);
    case kPageIr:
        return new CPageView3Ir(parent);
    case kPageRelay:
        return new CPageView3Relay(parent);
    case kPageDelay:
        return new CPageView3Delay(parent);
    case kPageCmp:
        return new CPageView3Cmp(parent);
    case kPageLed:
        return new CPageView3Ledp(parent);
    case kPagePage:
        return new CPageView3Page(parent);
    case kPageLoop:
        return new CPageView3Casd(parent);
    case kPageToggle:
        return new CPageView3Toggle(parent);
    default:
        return nullptr;
    }
}

} // namespace

EventPage* CreateEventPage(int index, QWidget* parent, EventPageHost* host) {
    EventPage* page = NewEventPage(index, parent);
    if (page)
        page->SetHost(host);
    return page;
}
