// The Page page through the main window.
#include "editors/cpageview3page.h"
#include "editors/eventpagefactory.h"
#include "eventpagefixture.h"
#include "support/comboinput.h"

#include <QComboBox>
#include <QLineEdit>

TEST_F(EventPageTest, PageEventWritesNameAndIndexesWithItsOwnSeparators) {
    CravloDlg& dlg = StartWithAction();
    auto* page = ShowPage<CPageView3Page>(kPagePage);
    ASSERT_TRUE(page);
    EXPECT_EQ(dlg.m_tabEvents->tabText(kPagePage), "Page");
    EXPECT_EQ(ComboEntries(page->m_comboPage), (QStringList{"Page 1"}));
    EXPECT_EQ(ComboEntries(page->m_comboActive), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(page->m_editName->text(), "");
    EXPECT_TRUE(page->DropsEnter());
    EXPECT_TRUE(page->DropsEscape());

    // An empty name gives an empty field.
    Click(page->m_btnAdd);
    TypeInto(page->m_editName, "  ev ");
    ChooseEntry(page->m_comboActive, 2);
    Click(page->m_btnAdd);
    EXPECT_EQ(SelectedEvents(), (CStringArray{"ENPG :  : 0 :0 :0", "ENPG : ev : 0 :2 :0"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 1), (std::vector<std::string>{"Page", "Page"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 2),
              (std::vector<std::string>{"Page Class:1, Start No.:1", "ev, Page Class:1, Start No.:3"}));

    // The stored name comes back without blanks around it.
    dlg.m_keys[0].m_arrSlots[0][0] = "ENPG :   Go page 2  : 0 :1 :0";
    dlg.m_listEvent->ShowEvents(0, 0);
    ClickRow(dlg.m_listEvent, 0);
    EXPECT_EQ(page->m_editName->text(), "Go page 2");
    EXPECT_EQ(page->m_comboActive->currentText(), "2");
    EXPECT_EQ(page->m_comboPage->currentText(), "Page 1");
    ChooseEntry(page->m_comboActive, 3);
    Click(page->m_btnEdit);
    EXPECT_EQ(SelectedEvents(), (CStringArray{"ENPG : Go page 2 : 0 :3 :0", "ENPG : ev : 0 :2 :0"}));
    EXPECT_EQ(dlg.m_listEvent->GetItemText(0, 2), "Go page 2, Page Class:1, Start No.:4");
    EXPECT_TRUE(m_prompter.Texts().empty());

    page->LoadEvent("ENPG : x : 1 :4 :0");
    EXPECT_EQ(page->m_comboPage->currentIndex(), -1);
    EXPECT_EQ(page->m_comboActive->currentIndex(), -1);
}
