#pragma once
// What an event page needs of the main window, and all it may use of it:
// the state of the Action List and the Event List, the selected key action,
// the device model and port mode, and the four calls that put a composed
// event into the selected key action. The main window implements it and
// hands it to the pages it makes.

#include <string>

class IrLearnLink;

class EventPageHost {
public:
    virtual ~EventPageHost() = default;

    // The Action List has a row.
    virtual bool HasActionRows() const = 0;
    // The Event List has a row.
    virtual bool HasEventRows() const = 0;
    // A row of the Event List is selected.
    virtual bool HasSelectedEventRow() const = 0;
    // The selected key action: its key (0-35) and slot (0-36).
    virtual int SelectedKey() const = 0;
    virtual int SelectedSlot() const = 0;
    // The device model (0-2) and the port mode (0-3) the ports are checked
    // against.
    virtual int DeviceModel() const = 0;
    virtual int PortMode() const = 0;

    // A page's Add calls AddEvent, then AddEventRow; its Edit calls
    // ReplaceSelectedEvent, then UpdateEventRow; each passes SelectedKey()
    // and SelectedSlot(). A key or slot out of range changes nothing.
    // The text joins the key action (a blank placeholder is replaced).
    virtual void AddEvent(int key, int slot, const std::string& text) = 0;
    // A new last Event List row with the text's type name and description.
    virtual void AddEventRow(const std::string& text) = 0;
    // The event at the selected Event List row is replaced by the text; no
    // selected row: nothing.
    virtual void ReplaceSelectedEvent(int key, int slot, const std::string& text) = 0;
    // The selected Event List row shows the text's type name and description.
    virtual void UpdateEventRow(const std::string& text) = 0;

    // The link the IR library editor, opened from the IR page, learns
    // through.
    virtual IrLearnLink* LearnLink() = 0;
};
