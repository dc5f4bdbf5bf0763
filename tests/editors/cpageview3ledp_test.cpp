// The LED page through the main window.
#include "editors/cpageview3ledp.h"
#include "editors/eventpagefactory.h"
#include "eventpagefixture.h"
#include "support/comboinput.h"

#include <QComboBox>

TEST_F(EventPageTest, LedAddEditAndReload) {
    CravloDlg& dlg = StartWithAction();
    auto* page = ShowPage<CPageView3Ledp>(kPageLed);
    ASSERT_TRUE(page);
    EXPECT_EQ(dlg.m_tabEvents->tabText(kPageLed), "LED");
    EXPECT_EQ(ComboEntries(page->m_comboButton),
              (QStringList{"Button 1", "Button 2", "Button 3", "Button 4", "Button 5", "Button 6", "Button 7",
                           "Button 8"}));
    EXPECT_EQ(ComboEntries(page->m_comboLight), (QStringList{"On", "Off", "On/All Off", "On/Group Off"}));
    EXPECT_EQ(page->m_comboButton->currentIndex(), 0);
    EXPECT_EQ(page->m_comboLight->currentIndex(), 0);
    // The LED page keeps no key filter of its own.
    EXPECT_FALSE(page->DropsEnter());
    EXPECT_FALSE(page->DropsEscape());

    ChooseEntry(page->m_comboButton, 2);
    ChooseEntry(page->m_comboLight, 3);
    Click(page->m_btnAdd);
    ChooseEntry(page->m_comboButton, 7);
    ChooseEntry(page->m_comboLight, 1);
    Click(page->m_btnAdd);
    EXPECT_EQ(SelectedEvents(), (CStringArray{"LEDP : 2 : 3 : 3", "LEDP : 7 : 1 : 1"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 1), (std::vector<std::string>{"Led", "Led"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 2),
              (std::vector<std::string>{"Button 3 On/Group Off", "Button 8 Off"}));

    ClickRow(dlg.m_listEvent, 0);
    EXPECT_EQ(page->m_comboButton->currentText(), "Button 3");
    EXPECT_EQ(page->m_comboLight->currentText(), "On/Group Off");
    ChooseEntry(page->m_comboLight, 2);
    Click(page->m_btnEdit);
    EXPECT_EQ(SelectedEvents(), (CStringArray{"LEDP : 2 : 2 : 2", "LEDP : 7 : 1 : 1"}));
    EXPECT_EQ(dlg.m_listEvent->GetItemText(0, 2), "Button 3 On/All Off");
    EXPECT_TRUE(m_prompter.Texts().empty());

    // A button field of 8 or more leaves the button box without a selection.
    page->LoadEvent("LEDP : 8 : 0 : 0");
    EXPECT_EQ(page->m_comboButton->currentIndex(), -1);
    EXPECT_EQ(page->m_comboLight->currentIndex(), 0);
}
