// The GPIO page: made by the main window but never a tab; it builds GPIO
// events on device model 2 only.
#include "controls/fittingedit.h"
#include "editors/cpageview3io.h"
#include "eventpagefixture.h"
#include "support/comboinput.h"

#include <QComboBox>
#include <QLabel>

TEST_F(EventPageTest, GpioPageIsMadeButNeverShown) {
    CravloDlg& dlg = Start();
    ASSERT_NE(dlg.m_pageIO, nullptr);
    EXPECT_TRUE(dlg.m_pageIO->isHidden());
    EXPECT_FALSE(dlg.m_pageIO->isVisible());
    EXPECT_EQ(dlg.m_tabEvents->count(), 9);
    EXPECT_EQ(dlg.m_tabEvents->indexOf(dlg.m_pageIO), -1);
    CPageView3IO* page = dlg.m_pageIO;
    EXPECT_EQ(ComboEntries(page->m_comboPort), (QStringList{"Port 1", "Port 2", "Port 3"}));
    EXPECT_EQ(ComboEntries(page->m_comboDirection), (QStringList{"In", "Out"}));
    EXPECT_EQ(ComboEntries(page->m_comboLevel), (QStringList{"0", "1"}));
    EXPECT_TRUE(page->m_comboLevel->isHidden());
    EXPECT_TRUE(page->m_staticOutput->isHidden());
    EXPECT_TRUE(page->DropsEnter());
    EXPECT_TRUE(page->DropsEscape());
}

TEST(GpioPageTest, OnModelsZeroAndOneItIsRefusedAfterTheListChecks) {
    ScriptedPrompter prompter;
    for (int model : {0, 1}) {
        StandInHost host;
        host.m_nModel = model;
        CPageView3IO page;
        page.SetHost(&host);
        page.OnBnClickedAdd();
        host.m_bActionRows = true;
        page.OnBnClickedEdit();
        prompter.QueueAnswer(prompt::Answer::Ok);
        page.OnBnClickedAdd();
        host.m_bEventRows = host.m_bEventSelected = true;
        page.OnBnClickedEdit();
        EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{"Please add an action in action list",
                                                              "Please add a event in event List",
                                                              "|I/O is unavailable in this model.",
                                                              "|I/O is unavailable in this model."}))
            << model;
        EXPECT_TRUE(host.m_calls.empty()) << model;
        prompter.Clear();
    }
    // The model is compared as an unsigned number: -1 is no model 0 or 1.
    StandInHost host;
    host.m_bActionRows = true;
    host.m_nModel = -1;
    CPageView3IO page;
    page.SetHost(&host);
    page.OnBnClickedAdd();
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_EQ(host.m_calls, (std::vector<std::string>{"AddEvent 0 0 GPIO :  : 0 : 0 : 0 : 0",
                                                      "AddEventRow GPIO :  : 0 : 0 : 0 : 0"}));
}

TEST_F(EventPageTest, GpioOnModel2AddsAndEditsAndTheLevelShowsForOutputOnly) {
    WriteSettings("[SYSTEM]\r\nMACHINE_TYPE=2\r\n");
    CravloDlg& dlg = StartWithAction();
    ASSERT_EQ(dlg.m_nModel, 2);
    CPageView3IO* page = dlg.m_pageIO;
    TypeInto(page->m_editName, "ev");
    ChooseEntry(page->m_comboPort, 2);
    page->OnBnClickedAdd();

    ChooseEntry(page->m_comboDirection, QString("Out"));
    EXPECT_FALSE(page->m_comboLevel->isHidden());
    EXPECT_FALSE(page->m_staticOutput->isHidden());
    ChooseEntry(page->m_comboLevel, 1);
    ChooseEntry(page->m_comboPort, 0);
    page->OnBnClickedAdd();
    // Back to "In": the level hides but keeps its choice, which the event
    // still carries.
    ChooseEntry(page->m_comboDirection, QString("In"));
    EXPECT_TRUE(page->m_comboLevel->isHidden());
    EXPECT_TRUE(page->m_staticOutput->isHidden());
    page->OnBnClickedAdd();
    EXPECT_EQ(SelectedEvents(), (CStringArray{"GPIO : ev : 2 : 0 : 0 : 0", "GPIO : ev : 0 : 1 : 1 : 1",
                                              "GPIO : ev : 0 : 0 : 1 : 1"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 1), (std::vector<std::string>{"GPIO", "GPIO", "GPIO"}));
    EXPECT_EQ(
        Column(dlg.m_listEvent, 2),
        (std::vector<std::string>{"ev,Port 3 as Input", "ev,Port 1 as Output 1", "ev,Port 1 as Input"}));

    // Picking a GPIO event opens no page; Edit replaces the selected one.
    const int tab = dlg.m_tabEvents->currentIndex();
    ClickRow(dlg.m_listEvent, 1);
    EXPECT_EQ(dlg.m_tabEvents->currentIndex(), tab);
    TypeInto(page->m_editName, "Door");
    page->OnBnClickedEdit();
    EXPECT_EQ(SelectedEvents()[1], "GPIO : Door : 0 : 0 : 1 : 1");
    EXPECT_EQ(dlg.m_listEvent->GetItemText(1, 2), "Door,Port 1 as Input");
    EXPECT_TRUE(m_prompter.Texts().empty());
}
