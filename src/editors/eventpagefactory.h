#pragma once
// The event pages of the main window's tabs, made by their index in the
// "Event Set" list.

class EventPage;
class EventPageHost;
class QWidget;

// Indexes of the pages in the "Event Set" list and the tabs.
enum EventPageIndex {
    kPageRs232 = 0,
    kPageIr = 1,
    kPageRelay = 2,
    kPageDelay = 3,
    kPageCmp = 4,
    kPageLed = 5,
    kPagePage = 6,
    kPageLoop = 7,
    kPageToggle = 8,
    kEventPageIndexCount = 9,
};

// A new page for tab `index` with `parent`, reaching the main window through
// `host`; nullptr for an index that has no page.
EventPage* CreateEventPage(int index, QWidget* parent, EventPageHost* host);
