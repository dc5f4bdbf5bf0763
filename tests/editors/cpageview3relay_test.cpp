// The Relay page through the main window.
#include "editors/cpageview3relay.h"
#include "editors/eventpagefactory.h"
#include "eventpagefixture.h"
#include "support/comboinput.h"

#include <QComboBox>

TEST_F(EventPageTest, RelayAddEditAndReload) {
    CravloDlg& dlg = Start();
    auto* page = ShowPage<CPageView3Relay>(kPageRelay);
    ASSERT_TRUE(page);
    EXPECT_EQ(dlg.m_tabEvents->tabText(kPageRelay), "Relay");
    EXPECT_EQ(ComboEntries(page->m_comboPort), (QStringList{"Port 1", "Port 2"}));
    EXPECT_EQ(ComboEntries(page->m_comboAction), (QStringList{"On", "Off"}));
    EXPECT_EQ(page->m_comboPort->currentIndex(), 0);
    EXPECT_EQ(page->m_comboAction->currentIndex(), 0);
    EXPECT_FALSE(page->DropsEnter());
    EXPECT_FALSE(page->DropsEscape());

    Click(page->m_btnAdd);
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"Please add an action in action list"}));
    EXPECT_EQ(dlg.m_listEvent->GetItemCount(), 0);

    m_prompter.Clear();
    AddPressAction(4);
    Click(page->m_btnAdd);
    ChooseEntry(page->m_comboPort, 1);
    ChooseEntry(page->m_comboAction, 1);
    Click(page->m_btnAdd);
    EXPECT_EQ(dlg.m_keys[4].m_arrSlots[0], (CStringArray{"RELY : 0 : 0 : 0", "RELY : 1 : 1 : 1"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 1), (std::vector<std::string>{"Relay", "Relay"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 2), (std::vector<std::string>{"Port 1 On", "Port 2 Off"}));

    // Picking the first event puts relay 1 on back; Edit turns it off.
    ClickRow(dlg.m_listEvent, 0);
    EXPECT_EQ(page->m_comboPort->currentText(), "Port 1");
    EXPECT_EQ(page->m_comboAction->currentText(), "On");
    ChooseEntry(page->m_comboAction, 1);
    Click(page->m_btnEdit);
    EXPECT_EQ(dlg.m_keys[4].m_arrSlots[0], (CStringArray{"RELY : 0 : 1 : 1", "RELY : 1 : 1 : 1"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 2), (std::vector<std::string>{"Port 1 Off", "Port 2 Off"}));
    EXPECT_TRUE(m_prompter.Texts().empty());

    // An index the list does not have leaves it without a selection.
    page->LoadEvent("RELY : 2 : 1 : 1");
    EXPECT_EQ(page->m_comboPort->currentIndex(), -1);
    EXPECT_EQ(page->m_comboAction->currentIndex(), 1);
}
