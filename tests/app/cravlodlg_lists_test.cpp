// The Action List, the Event List, the "Event Set" selector and the event
// page callbacks of the main window.
#include "mainwindowfixture.h"

#include "app/cqvmview2listctrl.h"
#include "app/cqvmview4listctrl.h"
#include "controls/cqvmlistbox.h"
#include "controls/cqvmtabctrl.h"
#include "editors/eventpage.h"

#include "support/wait.h"

#include <QDir>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>

namespace {

// Stands in for an event page: records what the window loads into it.
class RecordingPage : public EventPage {
public:
    void LoadEvent(std::string text) override { loaded.push_back(std::move(text)); }
    std::string BuildEventText() override { return {}; }
    std::vector<std::string> loaded;
};

std::vector<std::string> Column(const ReportListCtrl* list, int column) {
    std::vector<std::string> out;
    for (int row = 0; row < list->GetItemCount(); ++row)
        out.push_back(list->GetItemText(row, column));
    return out;
}

QPushButton* Button(CravloDlg& dlg, int id) {
    return qobject_cast<QPushButton*>(dlg.Control(id));
}

void Click(CravloDlg& dlg, int id) {
    QTest::mouseClick(Button(dlg, id), Qt::LeftButton);
}

// The user clicks a row of a list.
void ClickRow(ReportListCtrl* list, int row) {
    const QRect r = list->visualItemRect(list->topLevelItem(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

class ListsTest : public MainWindowTest {
protected:
    CravloDlg& StartWithEvents() {
        CravloDlg& dlg = Start();
        // Key 2 Press with three events, key 10 virtual with one.
        KeyRecord& k = dlg.m_keys[1];
        k.SetKeyAction(1, 0, 0);
        k.m_arrSlots[0] = {"RELY : 1 : 0 : 0", "DELY : 1 : 2 : 3 : 1 : 0102031", "LEDP : 3 : 1 : 1"};
        dlg.m_keys[9].SetKeyAction(8, 0, 0);
        dlg.m_keys[9].m_arrSlots[36] = {"GPIO : Door : 0 : 1 : 1 : 1"};
        dlg.m_listAction->RefreshAll();
        dlg.m_listAction->Sort(0);
        for (size_t i = 0; i < m_pages.size(); ++i) {
            m_pages[i] = new RecordingPage;
            m_pages[i]->setParent(&dlg);
            dlg.m_eventPages[i] = m_pages[i];
        }
        return dlg;
    }
    std::array<RecordingPage*, CravloDlg::kEventPageCount> m_pages{};
};

} // namespace

TEST_F(ListsTest, ListsSelectorAndButtonsAtStart) {
    CravloDlg& dlg = Start();
    auto* actions = qobject_cast<CQvmView2ListCtrl*>(dlg.Control(1015));
    auto* events = qobject_cast<CQvmView4ListCtrl*>(dlg.Control(1016));
    ASSERT_TRUE(actions && events);
    EXPECT_EQ(actions->GetItemCount(), 0);
    EXPECT_EQ(events->GetItemCount(), 0);
    EXPECT_EQ(actions->headerItem()->text(0), "Key");
    EXPECT_EQ(events->headerItem()->text(0), "Num");
    for (ReportListCtrl* list :
         {static_cast<ReportListCtrl*>(actions), static_cast<ReportListCtrl*>(events)}) {
        EXPECT_EQ(list->columnCount(), 3);
        EXPECT_EQ(list->headerItem()->text(1), "Type");
        EXPECT_EQ(list->headerItem()->text(2), "Data");
        EXPECT_EQ(list->columnWidth(0), 80);
        EXPECT_EQ(list->columnWidth(1), 80);
        EXPECT_EQ(list->columnWidth(2), 500);
    }
    EXPECT_TRUE(actions->header()->isSortIndicatorShown());
    EXPECT_FALSE(events->header()->isSortIndicatorShown());

    auto* selector = qobject_cast<CQvmListBox*>(dlg.Control(1010));
    auto* tabs = qobject_cast<CQvmTabCtrl*>(dlg.Control(1011));
    ASSERT_TRUE(selector && tabs);
    const QStringList names{"RS232", "IR", "Relay", "Delay", "Compare", "LED", "Page", "Loop", "Toggle"};
    ASSERT_EQ(selector->count(), 9);
    ASSERT_EQ(tabs->count(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(selector->item(i)->text(), names[i]);
        EXPECT_EQ(tabs->tabText(i), names[i]);
    }
    EXPECT_EQ(selector->currentRow(), 0);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->geometry(), CravloDlg::TemplateRect(1024));

    const std::vector<std::pair<int, QString>> tips = {
        {1017, "Delect selected action!"},
        {1018, "if there is a action without event, it will be delected"},
        {1020, "Delect selected event!"},
        {1021, "Higher priority for selected event!"},
        {1022, "Lower priority for selected event!"}};
    for (const auto& [id, tip] : tips) {
        ASSERT_NE(Button(dlg, id), nullptr) << id;
        EXPECT_EQ(Button(dlg, id)->text(), "") << id;
        EXPECT_FALSE(Button(dlg, id)->icon().isNull()) << id;
        EXPECT_EQ(Button(dlg, id)->toolTip(), tip) << id;
    }
    EXPECT_EQ(Button(dlg, 1019)->text(), "Clear All");
    EXPECT_EQ(Button(dlg, 1023)->text(), "Clear All");
}

// Where the desktop theme has an icon for a list button, the button shows it
// from just after the first paint; until then, and where the theme has none,
// Qt's own image.
TEST_F(ListsTest, ListButtonsTakeTheThemesIconsAfterTheFirstPaint) {
    const QString icons = m_xdg.Root() + "/theme-icons";
    ASSERT_TRUE(QDir().mkpath(icons + "/test/16x16/actions"));
    ASSERT_TRUE(WriteFileBytes(icons + "/test/index.theme",
                               "[Icon Theme]\nName=test\nDirectories=16x16/actions\n\n"
                               "[16x16/actions]\nSize=16\nType=Fixed\n"));
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(icons + "/test/16x16/actions/user-trash.png"));
    const QStringList oldPaths = QIcon::themeSearchPaths();
    const QString oldTheme = QIcon::themeName();
    QIcon::setThemeSearchPaths({icons});
    QIcon::setThemeName("test");
    const auto centre = [&](int id) {
        return Button(*m_dlg, id)->icon().pixmap(16, 16).toImage().pixelColor(8, 8);
    };

    CravloDlg& dlg = Start({}, false);
    EXPECT_NE(centre(1017), QColor(Qt::red));
    dlg.show();
    EXPECT_TRUE(testwait::WaitUntil([&] { return centre(1017) == QColor(Qt::red); }));
    EXPECT_EQ(centre(1020), QColor(Qt::red));
    // No theme icon for "view-refresh" and "go-up": Qt's own images stay.
    for (int id : {1018, 1021}) {
        EXPECT_FALSE(Button(dlg, id)->icon().isNull()) << id;
        EXPECT_NE(centre(id), QColor(Qt::red)) << id;
    }
    QIcon::setThemeName(oldTheme);
    QIcon::setThemeSearchPaths(oldPaths);
}

TEST_F(ListsTest, SelectorAndTabsFollowEachOther) {
    CravloDlg& dlg = Start();
    QTest::mouseClick(dlg.m_lbEventSet->viewport(), Qt::LeftButton, {},
                      dlg.m_lbEventSet->visualItemRect(dlg.m_lbEventSet->item(4)).center());
    EXPECT_EQ(dlg.m_tabEvents->currentIndex(), 4);
    dlg.m_tabEvents->setCurrentIndex(7);
    EXPECT_EQ(dlg.m_lbEventSet->currentRow(), 7);
    dlg.SelectEventPage(2);
    EXPECT_EQ(dlg.m_lbEventSet->currentRow(), 2);
    EXPECT_EQ(dlg.m_tabEvents->currentIndex(), 2);
}

TEST_F(ListsTest, SelectingAnActionShowsItsEventsAndMakesItTheSelectedOne) {
    CravloDlg& dlg = StartWithEvents();
    EXPECT_EQ(Column(dlg.m_listAction, 0), (std::vector<std::string>{"Key2", "Key10"}));
    EXPECT_EQ(Column(dlg.m_listAction, 1), (std::vector<std::string>{"Press", "Virtual"}));
    EXPECT_EQ(Column(dlg.m_listAction, 2), (std::vector<std::string>{"Repeat Delay Time: 0.0S", ""}));

    ClickRow(dlg.m_listAction, 0);
    EXPECT_EQ(dlg.m_nSelKey, 1);
    EXPECT_EQ(dlg.m_nSelSlot, 0);
    EXPECT_EQ(Column(dlg.m_listEvent, 0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 1), (std::vector<std::string>{"Relay", "Delay", "Led"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 2),
              (std::vector<std::string>{"Port 2 On", "Time Hour:1 Minute:2 Second:3.5s", "Button 4 Off"}));
    EXPECT_EQ(dlg.m_listEvent->m_arrEvents.size(), 3u);

    ClickRow(dlg.m_listAction, 1);
    EXPECT_EQ(dlg.m_nSelKey, 9);
    EXPECT_EQ(dlg.m_nSelSlot, 36);
    EXPECT_EQ(Column(dlg.m_listEvent, 2), (std::vector<std::string>{"Door,Port 1 as Output 1"}));
}

TEST_F(ListsTest, PickingAnEventOpensItOnItsPageOnce) {
    CravloDlg& dlg = StartWithEvents();
    ClickRow(dlg.m_listAction, 0);
    ClickRow(dlg.m_listEvent, 1);
    EXPECT_EQ(dlg.m_tabEvents->currentIndex(), 3); // Delay
    EXPECT_EQ(dlg.m_lbEventSet->currentRow(), 3);
    EXPECT_EQ(m_pages[3]->loaded, (std::vector<std::string>{"DELY : 1 : 2 : 3 : 1 : 0102031"}));
    ClickRow(dlg.m_listEvent, 2);
    EXPECT_EQ(dlg.m_tabEvents->currentIndex(), 5); // LED
    EXPECT_EQ(m_pages[5]->loaded.size(), 1u);

    // A GPIO event has no page: nothing changes.
    ClickRow(dlg.m_listAction, 1);
    ClickRow(dlg.m_listEvent, 0);
    EXPECT_EQ(dlg.m_tabEvents->currentIndex(), 5);
    size_t loads = 0;
    for (RecordingPage* page : m_pages)
        loads += page->loaded.size();
    EXPECT_EQ(loads, 2u);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(ListsTest, UpDownAndDelOnTheEventList) {
    CravloDlg& dlg = StartWithEvents();
    ClickRow(dlg.m_listAction, 0);
    const CStringArray& slot = dlg.m_keys[1].m_arrSlots[0];

    // Nothing selected: "up" and "Del" complain, "Down" does nothing.
    Click(dlg, 1021);
    Click(dlg, 1022);
    Click(dlg, 1020);
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{"No selected item to move", "No selected item to delete"}));
    m_prompter.Clear();

    ClickRow(dlg.m_listEvent, 0);
    Click(dlg, 1021); // the first row cannot move up
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"No selected item to move"}));
    m_pages[2]->loaded.clear();
    Click(dlg, 1022);
    EXPECT_EQ(slot, (CStringArray{"DELY : 1 : 2 : 3 : 1 : 0102031", "RELY : 1 : 0 : 0", "LEDP : 3 : 1 : 1"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 1), (std::vector<std::string>{"Delay", "Relay", "Led"}));
    EXPECT_EQ(dlg.m_listEvent->GetFirstSelectedItem(), 1);
    EXPECT_EQ(dlg.m_listEvent->currentItem(), dlg.m_listEvent->topLevelItem(1));
    // The moved event was selected once, so its page loaded it once.
    EXPECT_EQ(m_pages[2]->loaded, (std::vector<std::string>{"RELY : 1 : 0 : 0"}));

    Click(dlg, 1022);
    EXPECT_EQ(dlg.m_listEvent->GetFirstSelectedItem(), 2);
    m_prompter.Clear();
    Click(dlg, 1022); // the last row cannot move down
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"No selected item to move"}));
    Click(dlg, 1021);
    EXPECT_EQ(slot, (CStringArray{"DELY : 1 : 2 : 3 : 1 : 0102031", "RELY : 1 : 0 : 0", "LEDP : 3 : 1 : 1"}));
    EXPECT_EQ(dlg.m_listEvent->GetFirstSelectedItem(), 1);

    Click(dlg, 1020);
    EXPECT_EQ(slot, (CStringArray{"DELY : 1 : 2 : 3 : 1 : 0102031", "LEDP : 3 : 1 : 1"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 0), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(dlg.m_listEvent->GetFirstSelectedItem(), -1);
}

TEST_F(ListsTest, ClearAllEventsEmptiesTheSlotButKeepsTheActionRow) {
    CravloDlg& dlg = StartWithEvents();
    ClickRow(dlg.m_listAction, 0);
    m_prompter.QueueAnswer(prompt::Answer::No);
    Click(dlg, 1023);
    EXPECT_EQ(dlg.m_keys[1].m_arrSlots[0].size(), 3u);
    m_prompter.QueueAnswer(prompt::Answer::Yes);
    Click(dlg, 1023);
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{"This will clear all event", "This will clear all event"}));
    // A Yes/No question with the exclamation icon.
    EXPECT_EQ(m_prompter.Messages()[0].buttons, prompt::Buttons::YesNo);
    EXPECT_EQ(m_prompter.Messages()[0].icon, prompt::Icon::Warning);
    EXPECT_TRUE(dlg.m_keys[1].m_arrSlots[0].empty());
    EXPECT_EQ(dlg.m_listEvent->GetItemCount(), 0);
    EXPECT_EQ(dlg.m_listAction->GetItemCount(), 2);

    // A page's Add then gives the key action one event.
    dlg.AddEvent(dlg.m_nSelKey, dlg.m_nSelSlot, "RELY : 0 : 1 : 0");
    dlg.AddEventRow("RELY : 0 : 1 : 0");
    EXPECT_EQ(dlg.m_keys[1].m_arrSlots[0], (CStringArray{"RELY : 0 : 1 : 0"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 2), (std::vector<std::string>{"Port 1 Off"}));
}

TEST_F(ListsTest, ActionListDelRefreAndClearAll) {
    CravloDlg& dlg = StartWithEvents();
    dlg.m_keys[4].SetKeyAction(2, 0, 1); // a page action holding only its placeholder
    dlg.m_listAction->RefreshAll();
    dlg.m_listAction->Sort(0);
    EXPECT_EQ(Column(dlg.m_listAction, 0), (std::vector<std::string>{"Key2", "Key5", "Key10"}));
    EXPECT_EQ(Column(dlg.m_listAction, 2),
              (std::vector<std::string>{"Repeat Delay Time: 0.0S", "Class: 1,Num: 2", ""}));

    Click(dlg, 1017); // no row selected: nothing
    EXPECT_EQ(dlg.m_listAction->GetItemCount(), 3);

    Click(dlg, 1018); // refre drops the key action without events
    EXPECT_EQ(Column(dlg.m_listAction, 0), (std::vector<std::string>{"Key2", "Key10"}));
    EXPECT_TRUE(dlg.m_keys[4].m_arrSlots[4].empty());
    EXPECT_EQ(dlg.m_listAction->GetFirstSelectedItem(), 0);
    EXPECT_EQ(dlg.m_listEvent->GetItemCount(), 3);

    ClickRow(dlg.m_listAction, 1);
    Click(dlg, 1017);
    EXPECT_TRUE(dlg.m_keys[9].m_arrSlots[36].empty());
    EXPECT_EQ(Column(dlg.m_listAction, 0), (std::vector<std::string>{"Key2"}));
    EXPECT_EQ(dlg.m_nSelKey, 1); // row 0 was selected and shows its events
    EXPECT_EQ(dlg.m_listEvent->GetItemCount(), 3);
    Click(dlg, 1017);
    EXPECT_EQ(dlg.m_listAction->GetItemCount(), 0);
    EXPECT_EQ(dlg.m_listEvent->GetItemCount(), 0);

    dlg.m_keys[3].SetKeyAction(1, 1, 0);
    dlg.m_keys[3].m_strName = "Four";
    dlg.m_listAction->RefreshAll();
    m_prompter.QueueAnswer(prompt::Answer::No);
    Click(dlg, 1019);
    EXPECT_EQ(dlg.m_listAction->GetItemCount(), 1);
    m_prompter.QueueAnswer(prompt::Answer::Yes);
    Click(dlg, 1019);
    EXPECT_EQ(m_prompter.Count("This will clear all actions and event"), 2u);
    EXPECT_EQ(m_prompter.Messages().back().buttons, prompt::Buttons::YesNo);
    EXPECT_EQ(m_prompter.Messages().back().icon, prompt::Icon::Warning);
    EXPECT_EQ(dlg.m_listAction->GetItemCount(), 0);
    EXPECT_TRUE(dlg.m_keys[3].m_arrSlots[1].empty());
    EXPECT_EQ(dlg.m_keys[3].m_strName, "Four"); // only the key actions go
}

TEST_F(ListsTest, ANewKeyActionShowsAtOnceAndItsFirstEventReplacesThePlaceholder) {
    CravloDlg& dlg = StartWithEvents();
    dlg.m_keys[0].SetKeyAction(3, 1, 1); // toggle with 2 states, state 2: slot 20
    dlg.ShowAddedKeyAction(0, 20, "error no cursel");
    EXPECT_EQ(Column(dlg.m_listAction, 0), (std::vector<std::string>{"Key1", "Key2", "Key10"}));
    EXPECT_EQ(dlg.m_listAction->GetItemText(0, 2), "Class: 2,Num: 2");
    EXPECT_EQ(dlg.m_listAction->GetFirstSelectedItem(), 0);
    EXPECT_EQ(dlg.m_nSelKey, 0);
    EXPECT_EQ(dlg.m_nSelSlot, 20);
    EXPECT_EQ(dlg.m_listEvent->GetItemCount(), 0);

    dlg.AddEvent(0, 20, "LTOG : Lamp : 2 : 0 : 0");
    dlg.AddEventRow("LTOG : Lamp : 2 : 0 : 0");
    EXPECT_EQ(dlg.m_keys[0].m_arrSlots[20], (CStringArray{"LTOG : Lamp : 2 : 0 : 0"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 0), (std::vector<std::string>{"1"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 1), (std::vector<std::string>{"Toggle"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 2), (std::vector<std::string>{"Lamp, Button 3 : Start No. 1"}));

    // A key action with no row: the message, and row 0 is selected.
    dlg.ShowAddedKeyAction(5, 0, "error no cursel");
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"error no cursel"}));
    EXPECT_EQ(dlg.m_listAction->GetFirstSelectedItem(), 0);
    EXPECT_EQ(dlg.m_nSelSlot, 20);
}

TEST_F(ListsTest, EditReplacesTheSelectedEventInPlace) {
    CravloDlg& dlg = StartWithEvents();
    ClickRow(dlg.m_listAction, 0);
    // No selected row: nothing.
    dlg.ReplaceSelectedEvent(1, 0, "RELY : 0 : 1 : 0");
    dlg.UpdateEventRow("RELY : 0 : 1 : 0");
    EXPECT_EQ(dlg.m_keys[1].m_arrSlots[0][0], "RELY : 1 : 0 : 0");
    EXPECT_EQ(dlg.m_listEvent->GetItemText(0, 2), "Port 2 On");

    ClickRow(dlg.m_listEvent, 1);
    dlg.ReplaceSelectedEvent(1, 0, "RELY : 0 : 1 : 0");
    dlg.UpdateEventRow("RELY : 0 : 1 : 0");
    EXPECT_EQ(dlg.m_keys[1].m_arrSlots[0],
              (CStringArray{"RELY : 1 : 0 : 0", "RELY : 0 : 1 : 0", "LEDP : 3 : 1 : 1"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 1), (std::vector<std::string>{"Relay", "Relay", "Led"}));
    EXPECT_EQ(dlg.m_listEvent->GetItemText(1, 2), "Port 1 Off");

    // Keys and slots out of range change nothing and index nothing.
    const auto before = dlg.m_keys[1].m_arrSlots[0];
    for (auto [key, slot] : {std::pair{36, 0}, std::pair{-1, 0}, std::pair{1, 37}, std::pair{1, -1}}) {
        dlg.AddEvent(key, slot, "x");
        dlg.ReplaceSelectedEvent(key, slot, "x");
    }
    EXPECT_EQ(dlg.m_keys[1].m_arrSlots[0], before);
    // A selected row the key action does not have replaces nothing.
    dlg.ReplaceSelectedEvent(9, 36, "RELY : 0 : 1 : 0");
    EXPECT_EQ(dlg.m_keys[9].m_arrSlots[36], (CStringArray{"GPIO : Door : 0 : 1 : 1 : 1"}));
}

TEST_F(ListsTest, UpAndDownKeepTheViewWhereItWas) {
    CravloDlg& dlg = StartWithEvents();
    dlg.m_keys[1].m_arrSlots[0] = CStringArray(10, "RELY : 1 : 0 : 0");
    ClickRow(dlg.m_listAction, 0);
    ReportListCtrl* list = dlg.m_listEvent;
    ASSERT_EQ(list->GetItemCount(), 10);
    // Room for four whole rows and half of a fifth.
    const int rowHeight = list->visualItemRect(list->topLevelItem(0)).height();
    list->resize(list->width(), list->height() + rowHeight * 9 / 2 - list->viewport()->height());
    ASSERT_EQ(list->viewport()->height(), rowHeight * 9 / 2);
    QScrollBar* bar = list->verticalScrollBar();

    // Rows 0 to 3 are in view; the half row 4 is not.
    ClickRow(list, 3);
    Click(dlg, 1021);
    EXPECT_EQ(list->GetFirstSelectedItem(), 2);
    EXPECT_EQ(bar->value(), 0);
    Click(dlg, 1022);
    EXPECT_EQ(list->GetFirstSelectedItem(), 3);
    EXPECT_EQ(bar->value(), 0);
    // Row 4 comes into view at the bottom.
    Click(dlg, 1022);
    EXPECT_EQ(list->GetFirstSelectedItem(), 4);
    EXPECT_EQ(bar->value(), 1);
    Click(dlg, 1021);
    EXPECT_EQ(list->GetFirstSelectedItem(), 3);
    EXPECT_EQ(bar->value(), 1);
}

TEST_F(ListsTest, TheActionListDrawsItsSortedColumnMarked) {
    CravloDlg& dlg = StartWithEvents();
    ClickRow(dlg.m_listAction, 0);
    // A pixel near the right end of a cell, where no text reaches, in the
    // unselected row 1 of each list.
    auto cellPixel = [](ReportListCtrl* list, int column) {
        const QImage image = list->viewport()->grab().toImage();
        const QRect row = list->visualItemRect(list->topLevelItem(1));
        return image.pixelColor(list->columnViewportPosition(column) + list->columnWidth(column) - 6,
                                row.center().y());
    };
    const QColor base = dlg.m_listAction->palette().color(QPalette::Base);
    EXPECT_NE(cellPixel(dlg.m_listAction, 0), base);
    EXPECT_EQ(cellPixel(dlg.m_listAction, 1), base);
    EXPECT_EQ(cellPixel(dlg.m_listEvent, 0), base);
    EXPECT_EQ(cellPixel(dlg.m_listEvent, 1), base);
}
