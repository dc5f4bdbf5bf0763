#pragma once
// The frame every event page is built on: a page of the main window's event
// tabs that composes events of one kind and takes them back when the user
// picks one in the Event List.
//
// How a page uses it:
//  - Derive from EventPage. In the constructor create the controls with
//    AddLabel/AddCombo/AddEdit/AddButton/AddSlider/AddRadio/AddGroup and
//    Place (dialog units of the main window, so a page laid out within
//    kPageWidthDlu x kPageHeightDlu fits its tab), fill them and set the
//    start values, then call DropKeys for the Enter/Escape filter the page
//    has (after the controls exist).
//  - Create the Add and Edit buttons with CreateAddEditButtons; they run the shared sequences (below) and
//  call the page's hooks:
//    BuildEventText (required), CheckPageData (the page's own data check,
//    before the list checks) and CheckPort (the port availability check, or
//    the GPIO page's model check, after the list checks; it shows its own
//    refusal). A port check is usually one call of CheckPortAvailable with
//    the page's PortTable. A page whose checks come in another order
//    overrides the handler and strings the building blocks together
//    (CheckActionList, CheckEventList, CheckEventSelected, HandOverAdd,
//    HandOverEdit).
//  - Register with RequireSelection every list whose index goes into the
//    event: re-loading an index outside a list leaves it without a
//    selection, and Add and Edit then refuse rather than write -1.
//  - Implement LoadEvent with a CQvmEventStr and the helpers SelectByIndex,
//    SelectByText, SetEditText and SliderEditPair::Load; end with update().
//  - Number pairs use SliderEditPair; the RS232 and IR pages show and hide
//    their repeat and delay controls with ShowSendModeControls.
//  - Register the page in CreateEventPage (eventpagefactory.cpp).
//  - The page reaches the main window only through its EventPageHost
//    (Host(), given by SetHost); without one, Add and Edit are refused at
//    the Action List check and no port is refused.
//
// Add: own data check; "Please add an action in action list" when the
// Action List is empty; the port check; the required lists' check; the text
// goes to the host's AddEvent and AddEventRow with its selected key and slot.
// Edit: own data check; the Action List check; "Please add a event in event
// List" when the Event List is empty; "Please select the event to edit" when
// no row is selected; the port check; the required lists' check;
// ReplaceSelectedEvent and UpdateEventRow. The first refusal stops; a
// refusal changes nothing. After a successful Add or Edit the controls keep
// their values.

#include "controls/dialoglayout.h"
#include "editors/eventpagehost.h"
#include "editors/portrule.h"

#include <QWidget>
#include <array>
#include <string>
#include <utility>
#include <vector>

class EventPage : public QWidget {
    Q_OBJECT
public:
    // The room a page has inside its tab, in the main window's dialog units.
    static constexpr int kPageWidthDlu = 250;
    static constexpr int kPageHeightDlu = 140;

    explicit EventPage(QWidget* parent = nullptr);

    // The main window as the page sees it; nullptr until SetHost.
    EventPageHost* Host() const { return m_pHost; }
    void SetHost(EventPageHost* host) { m_pHost = host; }

    // Puts the fields of an event text of the page's own kind back into the
    // page's controls.
    virtual void LoadEvent(std::string text) = 0;

    // The Add and Edit buttons.
    virtual void OnBnClickedAdd();
    virtual void OnBnClickedEdit();

    // ----- building blocks of the sequences; each shows its own message
    // The Action List has a row.
    bool CheckActionList() const;
    // The Event List has a row.
    bool CheckEventList() const;
    // A row of the Event List is selected.
    bool CheckEventSelected() const;
    // The text becomes the last event of the selected key action and gets a
    // new Event List row.
    void HandOverAdd(const std::string& text);
    // The text replaces the selected event and rewrites its row.
    void HandOverEdit(const std::string& text);
    // True when `portIndex` may be used under the host's model and port
    // mode; else the question dialog with `title` and the table's text is
    // shown and, whatever the answer, false.
    bool CheckPortAvailable(const std::string& title, int portIndex, const PortTable& table);
    // Every list registered with RequireSelection has a selection; else the
    // message of the first one without is shown and false.
    bool CheckSelections() const;

    // ----- re-loading helpers
    // A field read as a number: leading blanks, an optional sign, the digits
    // up to the first other character; 0 when there are none.
    static long FieldNumber(const std::string& field);
    // Selects entry `index`; an index the list does not have leaves it with
    // no selection.
    static void SelectByIndex(QComboBox* combo, long index);
    // Selects the entry whose whole text equals `text`, letters compared
    // without regard to case (a byte that is no code only matches itself);
    // none: the selection stays. True when found.
    static bool SelectByText(QComboBox* combo, const std::string& text);
    // Shows the 8-bit text in the edit and keeps its bytes (ShownText).
    static void SetEditText(QLineEdit* edit, const std::string& text);
    // Makes a name edit refuse the colon, typed or pasted: it separates the
    // fields of an event text, which has no escape for it, so a colon in a
    // name would shift every later field. Any validator the edit already has
    // still applies.
    static void RefuseColons(QLineEdit* edit);
    // The edit's text as the program's 8-bit text: the bytes it was set
    // from while the user has not changed it; `trimmed`: white space removed
    // at both ends.
    static std::string EditText(const QLineEdit* edit, bool trimmed = false);
    // The selected entry's bytes (empty with no selection).
    static std::string ComboText(const QComboBox* combo);

    // Send mode 0 hides the repeat and delay controls, 1 shows both, 2 shows
    // only the delay controls; any other value changes nothing.
    static void ShowSendModeControls(int sendMode, const std::array<QWidget*, 3>& repeat,
                                     const std::array<QWidget*, 3>& delay);

    // The page's Add and Edit buttons (CreateAddEditButtons).
    QPushButton* m_btnAdd = nullptr;
    QPushButton* m_btnEdit = nullptr;

    // Whether the page drops Enter and/or Escape key presses before its
    // controls see them.
    bool DropsEnter() const { return m_bDropEnter; }
    bool DropsEscape() const { return m_bDropEscape; }

protected:
    // The event text of the page's kind from its controls.
    virtual std::string BuildEventText() = 0;
    // The page's own data check, before the list checks; shows its message
    // and returns false to refuse.
    virtual bool CheckPageData() { return true; }
    // The port availability check (or the GPIO model check) after the list
    // checks; `edit` tells Edit from Add. Shows its refusal, returns false.
    virtual bool CheckPort(bool /*edit*/) { return true; }

    // Add and Edit refuse with `message` while `combo` has no selection;
    // lists are checked in the order they were registered.
    void RequireSelection(const QComboBox* combo, const char* message);

    // Drops Enter and/or Escape key presses in the page and every control
    // it holds. Call after the controls are created.
    void DropKeys(bool enter, bool escape);

    // ----- controls placed in the main window's dialog units (DialogLayout);
    // the id becomes the object name
    QLabel* AddLabel(const char* text, int id, int x, int y, int width,
                     int height = DialogLayout::kLabelHeightDlu) {
        return m_layout.Label(text, id, x, y, width, height);
    }
    QComboBox* AddCombo(int id, int x, int y, int width) {
        return m_layout.Combo(id, x, y, width, kComboHeightDlu);
    }
    QLineEdit* AddEdit(int id, int x, int y, int width, int height = DialogLayout::kEditHeightDlu) {
        return m_layout.Edit(id, x, y, width, height);
    }
    QPushButton* AddButton(const char* text, int id, int x, int y, int width = DialogLayout::kButtonWidthDlu,
                           int height = DialogLayout::kButtonHeightDlu) {
        return m_layout.Button(text, id, x, y, width, height);
    }
    QSlider* AddSlider(int id, int x, int y, int width, int height = DialogLayout::kSliderHeightDlu) {
        return m_layout.Slider(id, x, y, width, height);
    }
    QRadioButton* AddRadio(const char* text, int id, int x, int y, int width) {
        return m_layout.Radio(text, id, x, y, width);
    }
    QGroupBox* AddGroup(const char* title, int id, int x, int y, int width, int height) {
        return m_layout.Group(title, id, x, y, width, height);
    }
    // Creates the Add and Edit buttons side by side from (x, y) and connects
    // them to OnBnClickedAdd and OnBnClickedEdit.
    void CreateAddEditButtons(int addId, int editId, int x = 130, int y = 112);
    // Places a control made by the page.
    template <typename W> W* Place(W* widget, int id, int x, int y, int width, int height) {
        return m_layout.Place(widget, id, x, y, width, height);
    }

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A closed drop-down list is this tall, as in the main window.
    static constexpr int kComboHeightDlu = 12;

    void InstallKeyFilter();

    DialogLayout m_layout;
    EventPageHost* m_pHost = nullptr;
    std::vector<std::pair<const QComboBox*, const char*>> m_requiredLists;

    bool m_bDropEnter = false;
    bool m_bDropEscape = false;
};
