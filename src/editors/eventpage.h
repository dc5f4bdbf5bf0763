#pragma once
// What the main window needs of an event page: a widget that it shows as a
// tab and that takes an event text of its own kind back into its controls
// when the user picks that event in the Event List. The pages add events
// through the main window's AddEvent/AddEventRow and
// ReplaceSelectedEvent/UpdateEventRow.

#include <QWidget>
#include <string>

class EventPage : public QWidget {
    Q_OBJECT
public:
    explicit EventPage(QWidget* parent = nullptr) : QWidget(parent) {}

    // Puts the fields of the event text back into the page's controls.
    virtual void LoadEvent(std::string text) = 0;
};
