// The Action List, the Event List, the "Event Set" selector with the event
// page tabs, their buttons, and the callbacks through which the event pages
// change the selected key action.
#include "app/cqvmview2listctrl.h"
#include "app/cqvmview4listctrl.h"
#include "app/cravlodlg.h"
#include "controls/cqvmbimpbutton.h"
#include "controls/cqvmlistbox.h"
#include "controls/cqvmtabctrl.h"
#include "editors/cpageview3io.h"
#include "editors/eventpage.h"
#include "editors/eventpagefactory.h"
#include "model/cqvmeventstr.h"
#include "platform/prompter.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <map>
#include <vector>

namespace {

// The event pages in the order of the "Event Set" list and the tabs, with
// the event word each one composes.
struct EventPageEntry {
    const char* name;
    const char* word;
};
constexpr EventPageEntry kEventPageTable[CravloDlg::kEventPageCount] = {
    {"RS232", "UART"}, {"IR", "INFR"},   {"Relay", "RELY"}, {"Delay", "DELY"},  {"Compare", "UCMP"},
    {"LED", "LEDP"},   {"Page", "ENPG"}, {"Loop", "CASD"},  {"Toggle", "LTOG"},
};

// A widget made after the window's start joins the end of the window's
// keyboard order, behind every other control. An event page belongs right
// after the tab bar, where the pages made at start stand: its controls are
// moved there, keeping their own order.
void PlaceAfterInTabOrder(QWidget* anchor, QWidget* page) {
    QWidget* window = page->window();
    std::vector<QWidget*> controls;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus && page->isAncestorOf(w))
            controls.push_back(w);
    for (QWidget* control : controls) {
        QWidget::setTabOrder(anchor, control);
        anchor = control;
    }
}

constexpr int kColumnWidthKeyPx = 80;
constexpr int kColumnWidthTypePx = 80;
constexpr int kColumnWidthDataPx = 500;

// One of the image buttons above a list: no text, sized to its image, with
// a tooltip. The "Clear All" buttons keep their text and have no image.
CQvmBimpButton* CreateListButton(QWidget* parent, int id, const char* caption) {
    auto* button = new CQvmBimpButton(parent);
    button->setText(QString::fromLatin1(caption));
    CravloDlg::PlaceControl(button, id);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// The images of the list buttons: the desktop theme's icon of that name
// where the theme has one, else Qt's own small image.
struct ListButtonImage {
    QStyle::StandardPixmap image;
    const char* themeName;
    const char* smallImage;
};
constexpr ListButtonImage kListButtonImages[] = {
    {QStyle::SP_TrashIcon, "user-trash", "trash-16.png"},
    {QStyle::SP_BrowserReload, "view-refresh", "refresh-24.png"},
    {QStyle::SP_ArrowUp, "go-up", "up-16.png"},
    {QStyle::SP_ArrowDown, "go-down", "down-16.png"},
};
// The button property naming its image (a QStyle::StandardPixmap).
constexpr const char* kListButtonImageProperty = "qvmListButtonImage";

const ListButtonImage* FindListButtonImage(QStyle::StandardPixmap image) {
    for (const ListButtonImage& entry : kListButtonImages)
        if (entry.image == image)
            return &entry;
    return nullptr;
}

// Qt's own small image of a list button, as the style would give it. But each
// is read once per program run (the two "Del" buttons share theirs), and only
// the size the button shows, where the style reads every size up to 128
// pixels. Only when Qt's image is missing is the style asked.
QIcon OwnListButtonIcon(const QStyle* style, QStyle::StandardPixmap image) {
    // Kept as long as the program runs.
    static auto* const icons = new std::map<QStyle::StandardPixmap, QIcon>();
    if (const auto known = icons->find(image); known != icons->end())
        return known->second;
    QIcon icon;
    if (const ListButtonImage* entry = FindListButtonImage(image))
        icon = QIcon(QPixmap(QStringLiteral(":/qt-project.org/styles/commonstyle/images/") +
                             QLatin1String(entry->smallImage)));
    if (icon.isNull())
        icon = style->standardIcon(image);
    icons->emplace(image, icon);
    return icon;
}

// The desktop theme's icon for a list button, or a null icon; looked up once
// per program run and theme.
QIcon ThemeListButtonIcon(QStyle::StandardPixmap image) {
    static auto* const icons = new std::map<QStyle::StandardPixmap, QIcon>();
    static QString theme;
    if (QIcon::themeName() != theme) {
        icons->clear();
        theme = QIcon::themeName();
    }
    if (const auto known = icons->find(image); known != icons->end())
        return known->second;
    QIcon icon;
    const ListButtonImage* entry = FindListButtonImage(image);
    if (entry && QGuiApplication::desktopSettingsAware() && !QIcon::themeName().isEmpty())
        icon = QIcon::fromTheme(QLatin1String(entry->themeName));
    icons->emplace(image, icon);
    return icon;
}

// The button shows Qt's own image until ShowThemeListButtonImages.
void SetButtonImage(CQvmBimpButton* button, QStyle::StandardPixmap image, const char* tooltip) {
    button->setIcon(OwnListButtonIcon(button->style(), image));
    button->setProperty(kListButtonImageProperty, int(image));
    button->setText(QString());
    button->resize(button->sizeHint());
    button->setToolTip(QString::fromLatin1(tooltip));
}

// Three left-aligned columns, full-row select and grid lines.
void InsertListColumns(ReportListCtrl* list, const char* first) {
    list->SetGridLines(true);
    list->InsertColumn(0, first, kColumnWidthKeyPx);
    list->InsertColumn(1, "Type", kColumnWidthTypePx);
    list->InsertColumn(2, "Data", kColumnWidthDataPx);
}

bool IsKeyAction(int key, int slot) {
    return key >= 0 && key < kKeyCount && KeyRecord::IsValidSlot(slot);
}

} // namespace

void CravloDlg::InitActionList() {
    m_listAction = new CQvmView2ListCtrl(Client());
    PlaceControl(m_listAction, dlgid::kActionList);
    m_listAction->SetKeys([this](int key) -> const KeyRecord* { return &m_keys[size_t(key)]; });
    InsertListColumns(m_listAction, "Key");
    m_listAction->EnableMarkSortedColumn();
    connect(m_listAction, &ReportListCtrl::ItemSelected, this, &CravloDlg::OnLvnItemchangedActionList);

    auto* del = CreateListButton(Client(), dlgid::kDelAction, "Del");
    SetButtonImage(del, QStyle::SP_TrashIcon, "Delect selected action!");
    auto* refre = CreateListButton(Client(), dlgid::kRefre, "refre");
    SetButtonImage(refre, QStyle::SP_BrowserReload,
                   "if there is a action without event, it will be delected");
    auto* clearAll = CreateListButton(Client(), dlgid::kClearAllActions, "Clear All");
    connect(del, &QPushButton::clicked, this, &CravloDlg::OnBnClickedDelAction);
    connect(refre, &QPushButton::clicked, this, &CravloDlg::OnBnClickedRefre);
    connect(clearAll, &QPushButton::clicked, this, &CravloDlg::OnBnClickedClearAllActions);
}

void CravloDlg::InitEventPages() {
    m_lbEventSet = new CQvmListBox(Client());
    PlaceControl(m_lbEventSet, dlgid::kEventSetList);
    for (const EventPageEntry& entry : kEventPageTable)
        m_lbEventSet->addItem(QString::fromLatin1(entry.name));

    m_tabEvents = new CQvmTabCtrl(Client());
    m_tabEvents->setObjectName(QString::number(dlgid::kEventTabs));
    m_tabEvents->setGeometry(TemplateRect(dlgid::kTabPlaceholder));
    m_tabEvents->setMovable(false);
    static_assert(kEventPageIndexCount == kEventPageCount);
    for (int i = 0; i < kEventPageCount; ++i)
        m_tabEvents->addTab(new QWidget(m_tabEvents), QString::fromLatin1(kEventPageTable[i].name));
    // The user's click on a tab makes its page before the tab changes; any
    // other change of tab (keys, wheel, code) makes it as the change is
    // told, before the page is painted.
    connect(m_tabEvents->tabBar(), &QTabBar::tabBarClicked, this, [this](int index) { EventPageAt(index); });
    SelectEventPage(0);

    // The tab's change notice also comes when code selects a tab; the list
    // box's only when the user chooses an entry (code sets it with its
    // notices blocked).
    connect(m_tabEvents, &QTabWidget::currentChanged, this, &CravloDlg::OnChangeActiveTab);
    connect(m_lbEventSet, &QListWidget::currentRowChanged, this, &CravloDlg::OnLbnSelchangeEventSet);
}

void CravloDlg::ShowThemeListButtonImages() {
    for (CQvmBimpButton* button :
         Client()->findChildren<CQvmBimpButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QVariant image = button->property(kListButtonImageProperty);
        if (!image.isValid())
            continue;
        const QIcon icon = ThemeListButtonIcon(QStyle::StandardPixmap(image.toInt()));
        if (!icon.isNull())
            button->setIcon(icon);
    }
}

// GPIO events have no tab: the page stays hidden.
CPageView3IO* CravloDlg::CreateGpioPage() {
    auto* page = new CPageView3IO(this);
    page->SetHost(this);
    page->hide();
    PlaceAfterInTabOrder(m_tabEvents->tabBar(), page);
    return page;
}

void CravloDlg::InitEventList() {
    auto* del = CreateListButton(Client(), dlgid::kDelEvent, "Del");
    SetButtonImage(del, QStyle::SP_TrashIcon, "Delect selected event!");
    auto* up = CreateListButton(Client(), dlgid::kUp, "up");
    SetButtonImage(up, QStyle::SP_ArrowUp, "Higher priority for selected event!");
    auto* down = CreateListButton(Client(), dlgid::kDown, "Down");
    SetButtonImage(down, QStyle::SP_ArrowDown, "Lower priority for selected event!");
    auto* clearAll = CreateListButton(Client(), dlgid::kClearAllEvents, "Clear All");
    connect(del, &QPushButton::clicked, this, &CravloDlg::OnBnClickedDelEvent);
    connect(up, &QPushButton::clicked, this, &CravloDlg::OnBnClickedUp);
    connect(down, &QPushButton::clicked, this, &CravloDlg::OnBnClickedDown);
    connect(clearAll, &QPushButton::clicked, this, &CravloDlg::OnBnClickedClearAllEvents);

    m_listEvent = new CQvmView4ListCtrl(Client());
    PlaceControl(m_listEvent, dlgid::kEventList);
    m_listEvent->SetKeys([this](int key) -> const KeyRecord* { return &m_keys[size_t(key)]; });
    InsertListColumns(m_listEvent, "Num");
    connect(m_listEvent, &ReportListCtrl::ItemSelected, this, &CravloDlg::OnLvnItemchangedEventList);
}

void CravloDlg::DeleteAllListRows() {
    m_listAction->DeleteAllItems();
    m_listEvent->DeleteAllItems();
}

void CravloDlg::ShowAddedKeyAction(int key, int slot, const std::string& noRowMessage) {
    m_listAction->DeselectAll();
    m_listAction->DeleteKeyItems(key);
    m_listAction->AddKeyItems(key);
    m_listAction->Sort(0);
    int row = m_listAction->FindItem(key, slot);
    if (row < 0) {
        prompt::MessageBox(noRowMessage);
        row = 0;
    }
    // The selection shows the key action's events.
    m_listAction->SelectItem(row);
    m_listAction->viewport()->update();
}

// ----- "Event Set" selector and tabs

EventPage* CravloDlg::EventPageAt(int n) {
    if (n < 0 || n >= kEventPageCount)
        return nullptr;
    EventPage*& page = m_eventPages[size_t(n)];
    if (page)
        return page;
    page = CreateEventPage(n, m_tabEvents, this);
    if (!page)
        return nullptr;
    // The page takes the place of the tab's empty widget; the active tab
    // stays and nobody is told of the exchange.
    const QSignalBlocker quiet(m_tabEvents);
    const int current = m_tabEvents->currentIndex();
    QWidget* empty = m_tabEvents->widget(n);
    m_tabEvents->setUpdatesEnabled(false);
    m_tabEvents->removeTab(n);
    m_tabEvents->insertTab(n, page, QString::fromLatin1(kEventPageTable[n].name));
    m_tabEvents->setCurrentIndex(current);
    m_tabEvents->setUpdatesEnabled(true);
    delete empty;
    PlaceAfterInTabOrder(m_tabEvents->tabBar(), page);
    return page;
}

void CravloDlg::SelectEventPage(int n) {
    EventPageAt(n);
    {
        const QSignalBlocker quiet(m_lbEventSet);
        m_lbEventSet->setCurrentRow(n);
    }
    m_tabEvents->setCurrentIndex(n);
}

void CravloDlg::OnChangeActiveTab(int index) {
    EventPageAt(index);
    const QSignalBlocker quiet(m_lbEventSet);
    m_lbEventSet->setCurrentRow(index);
}

void CravloDlg::OnLbnSelchangeEventSet(int index) {
    if (index >= 0) {
        EventPageAt(index);
        m_tabEvents->setCurrentIndex(index);
    }
}

// ----- selections

// Each notice is a row that became selected, by the user or by the code;
// the list sends no stray notice at start, so the first one is not set
// aside (it may be row 0 of a project opened from the command line).
void CravloDlg::OnLvnItemchangedActionList(int row) {
    if (row < 0)
        return;
    const qint64 data = m_listAction->GetItemData(row);
    m_nSelKey = CQvmView2ListCtrl::KeyOfData(data);
    m_nSelSlot = CQvmView2ListCtrl::SlotOfData(data);
    m_listEvent->ShowEvents(m_nSelKey, m_nSelSlot);
}

void CravloDlg::OnLvnItemchangedEventList(int row) {
    if (row < 0 || m_listEvent->GetItemCount() == 0 || !IsKeyAction(m_nSelKey, m_nSelSlot))
        return;
    const CStringArray events = m_keys[size_t(m_nSelKey)].m_arrSlots[size_t(m_nSelSlot)];
    if (row >= int(events.size())) {
        prompt::MessageBox("Not have the event");
        return;
    }
    const std::string& text = events[size_t(row)];
    const std::string word = CQvmEventStr(text).GetWord();
    for (int i = 0; i < kEventPageCount; ++i) {
        if (word != kEventPageTable[i].word)
            continue;
        SelectEventPage(i);
        if (EventPage* page = EventPageAt(i))
            page->LoadEvent(text);
        return;
    }
    // "GPIO" and unknown words have no page.
}

// ----- Action List buttons

void CravloDlg::OnBnClickedDelAction() {
    const int row = m_listAction->GetFirstSelectedItem();
    if (row < 0)
        return;
    // The selected row made its key action the selected one.
    if (IsKeyAction(m_nSelKey, m_nSelSlot))
        m_keys[size_t(m_nSelKey)].m_arrSlots[size_t(m_nSelSlot)].clear();
    m_listAction->RefreshAll();
    m_listAction->Sort(0);
    if (m_listAction->GetItemCount() > 0)
        m_listAction->SelectItem(0);
    else
        m_listEvent->DeleteAllItems();
}

void CravloDlg::OnBnClickedRefre() {
    for (CBaseButton& key : m_keys) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (key.IsKeyActionEmpty(slot))
                key.m_arrSlots[size_t(slot)].clear();
        }
    }
    m_listAction->RefreshAll();
    m_listAction->Sort(0);
    if (m_listAction->GetItemCount() > 0)
        m_listAction->SelectItem(0);
}

void CravloDlg::OnBnClickedClearAllActions() {
    if (prompt::MessageBox("This will clear all actions and event", prompt::Buttons::YesNo, {},
                           prompt::Answer::Yes, prompt::Icon::Warning) != prompt::Answer::Yes)
        return;
    for (CBaseButton& key : m_keys)
        key.ClearAllKeyActions();
    DeleteAllListRows();
}

// ----- Event List buttons

void CravloDlg::OnBnClickedDelEvent() {
    const int row = m_listEvent->GetFirstSelectedItem();
    if (row < 0) {
        prompt::MessageBox("No selected item to delete");
        return;
    }
    if (IsKeyAction(m_nSelKey, m_nSelSlot))
        m_keys[size_t(m_nSelKey)].RemoveEvent(m_nSelSlot, row);
    m_listEvent->ShowEvents(m_nSelKey, m_nSelSlot);
}

namespace {

// The last row wholly in the list's view (a row cut off at the bottom is not
// in view), or the last row when all of them fit; -1 for an empty list.
int LastRowInView(const ReportListCtrl& list) {
    const int bottom = list.viewport()->height() - 1;
    const QModelIndex index = list.indexAt(QPoint(1, bottom));
    if (!index.isValid())
        return list.GetItemCount() - 1;
    const QModelIndex top = list.indexAt(QPoint(1, 0));
    if (list.visualRect(index).bottom() > bottom && top.isValid() && index.row() > top.row())
        return index.row() - 1;
    return index.row();
}

} // namespace

void CravloDlg::OnBnClickedUp() {
    const int row = m_listEvent->GetFirstSelectedItem();
    if (row <= 0) {
        prompt::MessageBox("No selected item to move");
        return;
    }
    const int lastInView = LastRowInView(*m_listEvent);
    if (IsKeyAction(m_nSelKey, m_nSelSlot))
        m_keys[size_t(m_nSelKey)].MoveEventUp(m_nSelSlot, row);
    m_listEvent->ShowEvents(m_nSelKey, m_nSelSlot);
    m_listEvent->SelectItem(row - 1);
    m_listEvent->EnsureVisible(lastInView);
    m_listEvent->EnsureVisible(row - 1);
    m_listEvent->setFocus();
}

void CravloDlg::OnBnClickedDown() {
    const int count = m_listEvent->GetItemCount();
    const int row = m_listEvent->GetFirstSelectedItem();
    if (count == 0 || row == count - 1) {
        prompt::MessageBox("No selected item to move");
        return;
    }
    if (row < 0)
        return;
    const int lastInView = LastRowInView(*m_listEvent);
    if (IsKeyAction(m_nSelKey, m_nSelSlot))
        m_keys[size_t(m_nSelKey)].MoveEventDown(m_nSelSlot, row);
    m_listEvent->ShowEvents(m_nSelKey, m_nSelSlot);
    m_listEvent->SelectItem(row + 1);
    m_listEvent->EnsureVisible(lastInView);
    m_listEvent->EnsureVisible(row + 1);
    m_listEvent->setFocus();
}

void CravloDlg::OnBnClickedClearAllEvents() {
    if (prompt::MessageBox("This will clear all event", prompt::Buttons::YesNo, {}, prompt::Answer::Yes,
                           prompt::Icon::Warning) != prompt::Answer::Yes)
        return;
    if (m_listEvent->GetItemCount() == 0)
        return;
    // No placeholder remains; the Action List keeps the row until the next
    // refresh.
    if (IsKeyAction(m_nSelKey, m_nSelSlot))
        m_keys[size_t(m_nSelKey)].m_arrSlots[size_t(m_nSelSlot)].clear();
    m_listEvent->DeleteAllItems();
}

// ----- the event pages' callbacks

void CravloDlg::AddEvent(int key, int slot, const std::string& text) {
    if (IsKeyAction(key, slot))
        m_keys[size_t(key)].AddEvent(slot, text);
}

void CravloDlg::AddEventRow(const std::string& text) {
    const CQvmEventStr event(text);
    m_listEvent->AddEventItem(event.GetTypeName(), event.GetDescription());
    m_listEvent->EnsureVisible(m_listEvent->GetItemCount() - 1);
}

void CravloDlg::ReplaceSelectedEvent(int key, int slot, const std::string& text) {
    const int row = m_listEvent->GetFirstSelectedItem();
    if (!IsKeyAction(key, slot) || row < 0)
        return;
    CStringArray& events = m_keys[size_t(key)].m_arrSlots[size_t(slot)];
    // The event keeps its place; a row the key action does not have (the
    // list shows another key action) replaces nothing.
    if (row < int(events.size()))
        events[size_t(row)] = text;
}

void CravloDlg::UpdateEventRow(const std::string& text) {
    const CQvmEventStr event(text);
    m_listEvent->SetSelectedEventItem(event.GetTypeName(), event.GetDescription());
}

bool CravloDlg::HasActionRows() const {
    return m_listAction && m_listAction->GetItemCount() > 0;
}

bool CravloDlg::HasEventRows() const {
    return m_listEvent && m_listEvent->GetItemCount() > 0;
}

bool CravloDlg::HasSelectedEventRow() const {
    return m_listEvent && m_listEvent->GetFirstSelectedItem() >= 0;
}
