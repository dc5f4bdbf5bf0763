// The event page frame: the Add and Edit sequences with their messages, the
// port availability rule, the slider-and-edit pairs, the send-mode controls
// and the key filter.
#include "controls/crs232edit.h"
#include "controls/fittingedit.h"
#include "editors/cdlgireditlib.h"
#include "editors/cdlgrs232editlib.h"
#include "editors/cpageview3casd.h"
#include "editors/cpageview3cmp.h"
#include "editors/cpageview3delay.h"
#include "editors/cpageview3io.h"
#include "editors/cpageview3ir.h"
#include "editors/cpageview3ledp.h"
#include "editors/cpageview3page.h"
#include "editors/cpageview3relay.h"
#include "editors/cpageview3rs232.h"
#include "editors/cpageview3toggle.h"
#include "editors/eventpage.h"
#include "editors/eventpagefactory.h"
#include "editors/portrule.h"
#include "editors/slidereditpair.h"
#include "eventpagefixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTabBar>
#include <algorithm>

namespace {

// The RS232 page's rules: a literal copy for the frame's tests.
const PortTable kRs232Rules = {{
    {{false, false, false}, false, ""},
    {{true, false, false}, false, "Port 1 is unavailable in this setting,\rplease select port 2 or 3"},
    {{false, true, false}, false, "Port 2 is unavailable in this setting,\rplease select port 1 or 3"},
    {{true, true, false}, true, "Port 1 and port 2 are unavailable in this setting,\rplease select port 3"},
}};

// A page that composes a fixed text and says which checks ran.
class ProbePage : public EventPage {
public:
    ProbePage() {
        m_comboPort = AddCombo(1, 10, 10, 60);
        m_comboPort->addItems({"Port 1", "Port 2", "Port 3"});
        m_comboPort->setCurrentIndex(0);
        m_label = AddLabel("Port", 2, 80, 10, 40);
    }
    void LoadEvent(std::string) override {}
    std::string BuildEventText() override { return m_text; }
    bool CheckPageData() override {
        m_log.push_back("data");
        return m_dataOk;
    }
    bool CheckPort(bool edit) override {
        m_log.push_back(edit ? "port edit" : "port add");
        return CheckPortAvailable(edit ? "Edit title " : "Add title ", m_comboPort->currentIndex(),
                                  kRs232Rules);
    }
    using EventPage::DropKeys;

    QComboBox* m_comboPort;
    QLabel* m_label;
    std::string m_text = "RELY : 0 : 1 : 1";
    bool m_dataOk = true;
    std::vector<std::string> m_log;
};

} // namespace

TEST(PortRuleTest, OnlyModelsZeroAndOneRefuseAndOnlyByTheirTable) {
    // Model 0 and 1: the table decides, also for no selection (-1).
    for (int model : {0, 1}) {
        EXPECT_EQ(PortRefusal(model, 0, 0, kRs232Rules), nullptr);
        EXPECT_EQ(PortRefusal(model, 0, -1, kRs232Rules), nullptr);
        EXPECT_STREQ(PortRefusal(model, 1, 0, kRs232Rules),
                     "Port 1 is unavailable in this setting,\rplease select port 2 or 3");
        EXPECT_EQ(PortRefusal(model, 1, 1, kRs232Rules), nullptr);
        EXPECT_EQ(PortRefusal(model, 1, -1, kRs232Rules), nullptr);
        EXPECT_STREQ(PortRefusal(model, 2, 1, kRs232Rules),
                     "Port 2 is unavailable in this setting,\rplease select port 1 or 3");
        for (int index : {-1, 0, 1})
            EXPECT_STREQ(PortRefusal(model, 3, index, kRs232Rules),
                         "Port 1 and port 2 are unavailable in this setting,\rplease select port 3")
                << index;
        EXPECT_EQ(PortRefusal(model, 3, 2, kRs232Rules), nullptr);
        // A port mode outside 0-3 refuses nothing.
        EXPECT_EQ(PortRefusal(model, 4, 0, kRs232Rules), nullptr);
        EXPECT_EQ(PortRefusal(model, -1, 0, kRs232Rules), nullptr);
    }
    // Model 2, and any other value (a negative one too), refuses nothing.
    for (int model : {2, 3, -1})
        for (int index : {-1, 0, 1, 2})
            EXPECT_EQ(PortRefusal(model, 3, index, kRs232Rules), nullptr) << model << " " << index;
}

TEST(SliderEditPairTest, RepeatPairKeepsATypedNumberAboveItsMaximum) {
    QWidget page;
    auto* slider = new QSlider(Qt::Horizontal, &page);
    auto* edit = new QLineEdit(&page);
    SliderEditPair pair(slider, edit, {1, 99, 1, 1, SliderEditPair::AboveMaximum::KeepText});
    EXPECT_EQ(slider->minimum(), 1);
    EXPECT_EQ(slider->maximum(), 99);
    EXPECT_EQ(slider->pageStep(), 1);
    EXPECT_EQ(pair.Position(), 1);
    EXPECT_EQ(edit->text(), "1");

    edit->setText("150");
    EXPECT_EQ(pair.Position(), 99);
    EXPECT_EQ(edit->text(), "150");
    edit->setText("42");
    EXPECT_EQ(pair.Position(), 42);
    // A negative number changes nothing; an emptied edit gives 1; text
    // without digits reads as 0, which the slider shows as its minimum.
    edit->setText("-7");
    EXPECT_EQ(pair.Position(), 42);
    edit->setText("");
    EXPECT_EQ(pair.Position(), 1);
    EXPECT_EQ(edit->text(), "");
    edit->setText("12");
    edit->setText("x");
    EXPECT_EQ(pair.Position(), 1);
    edit->setText("  7abc");
    EXPECT_EQ(pair.Position(), 7);

    // The user moves the slider: the edit follows.
    slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(pair.Position(), 8);
    EXPECT_EQ(edit->text(), "8");

    // Re-loading: the position from the field, the text as stored.
    pair.Load("150");
    EXPECT_EQ(pair.Position(), 99);
    EXPECT_EQ(edit->text(), "150");
    pair.Load("5");
    EXPECT_EQ(pair.Position(), 5);
    EXPECT_EQ(edit->text(), "5");
}

TEST(SliderEditPairTest, HourPairRewritesANumberAboveItsMaximum) {
    QWidget page;
    auto* slider = new QSlider(Qt::Horizontal, &page);
    auto* edit = new QLineEdit(&page);
    SliderEditPair pair(slider, edit, {0, 23, 0, 0, SliderEditPair::AboveMaximum::RewriteText});
    EXPECT_EQ(pair.Position(), 0);
    EXPECT_EQ(edit->text(), "0");
    edit->setText("30");
    EXPECT_EQ(edit->text(), "23");
    EXPECT_EQ(pair.Position(), 23);
    edit->setText("");
    EXPECT_EQ(pair.Position(), 0);
    EXPECT_EQ(edit->text(), "");
    pair.Load("75");
    EXPECT_EQ(pair.Position(), 23);
    EXPECT_EQ(edit->text(), "23");
}

TEST(EventPageFrameTest, SendModeShowsAndHidesTheRepeatAndDelayControls) {
    QWidget page;
    std::array<QWidget*, 3> repeat{new QLabel(&page), new QSlider(&page), new QLineEdit(&page)};
    std::array<QWidget*, 3> delay{new QLabel(&page), new QSlider(&page), new QLineEdit(&page)};
    auto hidden = [](const std::array<QWidget*, 3>& ws) {
        return std::vector<bool>{ws[0]->isHidden(), ws[1]->isHidden(), ws[2]->isHidden()};
    };
    const std::vector<bool> all{true, true, true}, none{false, false, false};
    EventPage::ShowSendModeControls(1, repeat, delay);
    EXPECT_EQ(hidden(repeat), none);
    EXPECT_EQ(hidden(delay), none);
    EventPage::ShowSendModeControls(2, repeat, delay);
    EXPECT_EQ(hidden(repeat), all);
    EXPECT_EQ(hidden(delay), none);
    EventPage::ShowSendModeControls(0, repeat, delay);
    EXPECT_EQ(hidden(repeat), all);
    EXPECT_EQ(hidden(delay), all);
    // Other values change nothing.
    EventPage::ShowSendModeControls(1, repeat, delay);
    EventPage::ShowSendModeControls(3, repeat, delay);
    EventPage::ShowSendModeControls(-1, repeat, delay);
    EXPECT_EQ(hidden(repeat), none);
    EXPECT_EQ(hidden(delay), none);
}

TEST(EventPageFrameTest, ListsSetByIndexOrByText) {
    QComboBox combo;
    combo.addItems({"2400", "9600", "ODD"});
    EventPage::SelectByIndex(&combo, 1);
    EXPECT_EQ(combo.currentIndex(), 1);
    EventPage::SelectByIndex(&combo, 3);
    EXPECT_EQ(combo.currentIndex(), -1);
    EventPage::SelectByIndex(&combo, -1);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(EventPage::ComboText(&combo), "");

    EXPECT_TRUE(EventPage::SelectByText(&combo, "odd"));
    EXPECT_EQ(combo.currentIndex(), 2);
    // A partial or unknown text keeps the selection.
    EXPECT_FALSE(EventPage::SelectByText(&combo, "96"));
    EXPECT_FALSE(EventPage::SelectByText(&combo, ""));
    EXPECT_EQ(combo.currentIndex(), 2);
    EXPECT_EQ(EventPage::FieldNumber(" -12x"), -12);
    EXPECT_EQ(EventPage::FieldNumber("abc"), 0);
}

TEST(EventPageFrameTest, AddRefusesWithoutAnActionAndOtherwiseHandsTheTextToTheSelectedKeyAction) {
    ScriptedPrompter prompter;
    StandInHost host;
    ProbePage page;
    page.SetHost(&host);
    // The page's own check comes first and stops everything.
    page.m_dataOk = false;
    page.OnBnClickedAdd();
    EXPECT_EQ(page.m_log, (std::vector<std::string>{"data"}));
    EXPECT_TRUE(prompter.Texts().empty());

    page.m_dataOk = true;
    page.m_log.clear();
    page.OnBnClickedAdd();
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{"Please add an action in action list"}));
    EXPECT_EQ(page.m_log, (std::vector<std::string>{"data"}));
    // The message is a plain OK box with the program's title.
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0].buttons, prompt::Buttons::Ok);
    EXPECT_EQ(prompter.Messages()[0].caption, "");
    EXPECT_TRUE(host.m_calls.empty());

    host.m_bActionRows = true;
    host.m_nKey = 3;
    host.m_nSlot = 5;
    prompter.Clear();
    page.m_log.clear();
    page.OnBnClickedAdd();
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_EQ(page.m_log, (std::vector<std::string>{"data", "port add"}));
    EXPECT_EQ(host.m_calls,
              (std::vector<std::string>{"AddEvent 3 5 RELY : 0 : 1 : 1", "AddEventRow RELY : 0 : 1 : 1"}));

    // A page that has no main window to reach refuses at the Action List.
    ProbePage alone;
    alone.OnBnClickedAdd();
    alone.OnBnClickedEdit();
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{"Please add an action in action list",
                                                          "Please add an action in action list"}));
}

TEST(EventPageFrameTest, EditChecksActionListEventListAndSelectionInThisOrder) {
    ScriptedPrompter prompter;
    StandInHost host;
    ProbePage page;
    page.SetHost(&host);
    page.OnBnClickedEdit();
    host.m_bActionRows = true;
    page.OnBnClickedEdit();
    host.m_bEventRows = true;
    page.OnBnClickedEdit();
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{"Please add an action in action list",
                                                          "Please add a event in event List",
                                                          "Please select the event to edit"}));
    EXPECT_EQ(page.m_log, (std::vector<std::string>{"data", "data", "data"}));
    EXPECT_TRUE(host.m_calls.empty());

    host.m_bEventSelected = true;
    host.m_nKey = 1;
    host.m_nSlot = 2;
    prompter.Clear();
    page.m_log.clear();
    page.m_text = "RELY : 1 : 0 : 0";
    page.OnBnClickedEdit();
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_EQ(page.m_log, (std::vector<std::string>{"data", "port edit"}));
    EXPECT_EQ(host.m_calls, (std::vector<std::string>{"ReplaceSelectedEvent 1 2 RELY : 1 : 0 : 0",
                                                      "UpdateEventRow RELY : 1 : 0 : 0"}));
}

TEST(EventPageFrameTest, APortRefusalAsksWithThePageTitleAndChangesNothingWhateverTheAnswer) {
    ScriptedPrompter prompter;
    StandInHost host;
    host.m_bActionRows = host.m_bEventRows = host.m_bEventSelected = true;
    host.m_nModel = 0;
    host.m_nPortMode = 3;
    ProbePage page;
    page.SetHost(&host);
    page.OnBnClickedAdd();
    prompter.QueueAnswer(prompt::Answer::Ok);
    page.OnBnClickedAdd();
    page.m_comboPort->setCurrentIndex(1);
    page.OnBnClickedEdit();
    EXPECT_EQ(prompter.Texts(),
              (std::vector<std::string>{
                  "Add title |Port 1 and port 2 are unavailable in this setting,\rplease select port 3",
                  "Add title |Port 1 and port 2 are unavailable in this setting,\rplease select port 3",
                  "Edit title |Port 1 and port 2 are unavailable in this setting,\rplease select port 3"}));
    EXPECT_TRUE(host.m_calls.empty());

    // Port 3 is available.
    page.m_comboPort->setCurrentIndex(2);
    page.OnBnClickedAdd();
    EXPECT_EQ(host.m_calls,
              (std::vector<std::string>{"AddEvent 0 0 RELY : 0 : 1 : 1", "AddEventRow RELY : 0 : 1 : 1"}));

    // On model 2 no port is refused.
    host.m_nModel = 2;
    host.m_calls.clear();
    prompter.Clear();
    page.m_comboPort->setCurrentIndex(0);
    page.OnBnClickedEdit();
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_EQ(host.m_calls, (std::vector<std::string>{"ReplaceSelectedEvent 0 0 RELY : 0 : 1 : 1",
                                                      "UpdateEventRow RELY : 0 : 1 : 1"}));
}

TEST_F(EventPageTest, AListWithoutASelectionRefusesAddAndEditByItsName) {
    CravloDlg& dlg = StartWithAction();
    dlg.m_nModel = 2; // the GPIO page's model
    // Relay 5 does not exist: re-loaded, the port list shows no selection.
    dlg.AddEvent(0, 0, "RELY : 5 : 1 : 1");
    dlg.AddEventRow("RELY : 5 : 1 : 1");
    ClickRow(dlg.m_listEvent, 0);
    auto* relay = PageAt<CPageView3Relay>(kPageRelay);
    ASSERT_EQ(relay->m_comboPort->currentIndex(), -1);
    auto* led = PageAt<CPageView3Ledp>(kPageLed);
    auto* delay = PageAt<CPageView3Delay>(kPageDelay);
    auto* page = PageAt<CPageView3Page>(kPagePage);
    auto* toggle = PageAt<CPageView3Toggle>(kPageToggle);
    auto* rs232 = PageAt<CPageView3Rs232>(kPageRs232);
    CPageView3IO* io = dlg.m_pageIO;
    const struct {
        EventPage* page;
        QComboBox* list;
        const char* message;
    } cases[] = {
        {relay, relay->m_comboPort, "Please select the port"},
        {relay, relay->m_comboAction, "Please select the action"},
        {led, led->m_comboButton, "Please select the button"},
        {led, led->m_comboLight, "Please select the light action"},
        {delay, delay->m_comboHalf, "Please select the half second"},
        {page, page->m_comboPage, "Please select the page"},
        {page, page->m_comboActive, "Please select the active number"},
        {toggle, toggle->m_comboButton, "Please select the button"},
        {toggle, toggle->m_comboStart, "Please select the toggle start"},
        {io, io->m_comboPort, "Please select the port"},
        {io, io->m_comboDirection, "Please select the IO direction"},
        {io, io->m_comboLevel, "Please select the output level"},
        {rs232, rs232->m_comboActive, "Please select the send mode"},
    };
    rs232->m_editData->setText("x");
    for (const auto& c : cases) {
        const int chosen = std::max(c.list->currentIndex(), 0);
        c.list->setCurrentIndex(-1);
        m_prompter.Clear();
        c.page->OnBnClickedAdd();
        c.page->OnBnClickedEdit();
        EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{c.message, c.message}));
        EXPECT_EQ(SelectedEvents(), CStringArray{"RELY : 5 : 1 : 1"}) << c.message;
        c.list->setCurrentIndex(chosen);
    }
}

TEST(EventPageFrameTest, LibraryNameBoxesOfPagesAndEditorsLookReadOnly) {
    CPageView3Rs232 rs232Page;
    CPageView3Ir irPage;
    CDlgRs232EditLib rs232Editor(nullptr, "", "");
    CDlgIREditLib irEditor;
    const std::pair<QWidget*, const char*> boxes[] = {
        {&rs232Page, "1039"}, {&irPage, "1097"}, {&rs232Editor, "1039"}, {&irEditor, "1039"}};
    for (const auto& [owner, id] : boxes) {
        auto* edit = owner->findChild<QLineEdit*>(id);
        ASSERT_NE(edit, nullptr) << id;
        EXPECT_TRUE(edit->isReadOnly()) << id;
        // The background of the window rather than an edit's white, and no
        // focus, so no focus frame either.
        EXPECT_EQ(edit->palette().color(QPalette::Base), owner->palette().color(QPalette::Window)) << id;
        EXPECT_EQ(edit->focusPolicy(), Qt::NoFocus) << id;
    }
}

TEST(EventPageFrameTest, DroppedKeysNeverReachThePageOrItsControls) {
    // Key presses a control ignores travel up to the page; a spy on the
    // page sees what was not dropped.
    struct Spy : QObject {
        std::vector<int> keys;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::KeyPress)
                keys.push_back(static_cast<QKeyEvent*>(e)->key());
            return false;
        }
    };
    for (bool drop : {false, true}) {
        ProbePage page;
        if (drop)
            page.DropKeys(true, true);
        page.show();
        Spy spy;
        page.installEventFilter(&spy);
        if (drop)
            page.DropKeys(true, true); // the page's filter runs ahead of the spy
        for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_F5}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(page.m_label, &press);
        }
        if (drop)
            EXPECT_EQ(spy.keys, (std::vector<int>{Qt::Key_F5}));
        else
            EXPECT_EQ(spy.keys,
                      (std::vector<int>{Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_F5}));
    }
}

TEST_F(EventPageTest, NameEditsOfEveryPageRefuseTheFieldSeparator) {
    CravloDlg& dlg = Start();
    const std::vector<QLineEdit*> names = {
        ShowPage<CPageView3Rs232>(kPageRs232)->m_editEventName,
        ShowPage<CPageView3Cmp>(kPageCmp)->m_editEventName,
        ShowPage<CPageView3Page>(kPagePage)->m_editName,
        ShowPage<CPageView3Casd>(kPageLoop)->m_editName,
        ShowPage<CPageView3Toggle>(kPageToggle)->m_editName,
        dlg.m_pageIO->m_editName,
    };
    for (QLineEdit* edit : names) {
        edit->clear();
        QTest::keyClicks(edit, "Ab:c");
        EXPECT_EQ(edit->text(), "Abc") << edit->objectName().toStdString();
        // Pasted text with a colon is refused whole.
        edit->clear();
        edit->insert("x:y");
        EXPECT_EQ(edit->text(), "") << edit->objectName().toStdString();
    }
}

// Every page sits in the window's keyboard order right after the tab bar,
// whether it was made at start or when its tab was first shown.
TEST_F(EventPageTest, TabFromTheTabBarEntersTheShownPageAndShiftTabGoesBack) {
    CravloDlg& dlg = Start();
    QApplication::setActiveWindow(&dlg);
    QTabBar* bar = dlg.m_tabEvents->tabBar();
    const auto tabFromBar = [&](QWidget* page) {
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Tab);
        QWidget* entered = QApplication::focusWidget();
        EXPECT_TRUE(entered && page->isAncestorOf(entered)) << page->objectName().toStdString();
        if (entered)
            QTest::keyClick(entered, Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), bar) << page->objectName().toStdString();
    };
    for (int i = kEventPageIndexCount - 1; i >= 0; --i) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
        ASSERT_EQ(dlg.m_tabEvents->currentIndex(), i);
        tabFromBar(dlg.m_tabEvents->widget(i));
    }
    // The GPIO page, which has no tab, where it is shown.
    dlg.m_tabEvents->currentWidget()->hide();
    dlg.m_pageIO->show();
    tabFromBar(dlg.m_pageIO);
}
