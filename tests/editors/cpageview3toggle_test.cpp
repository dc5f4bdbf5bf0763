// The Toggle page through the main window.
#include "editors/cpageview3toggle.h"
#include "editors/eventpagefactory.h"
#include "eventpagefixture.h"
#include "support/comboinput.h"

#include <QComboBox>
#include <QLineEdit>

TEST_F(EventPageTest, ToggleAddEditAndReload) {
    CravloDlg& dlg = StartWithAction();
    auto* page = ShowPage<CPageView3Toggle>(kPageToggle);
    ASSERT_TRUE(page);
    EXPECT_EQ(dlg.m_tabEvents->tabText(kPageToggle), "Toggle");
    EXPECT_EQ(ComboEntries(page->m_comboButton).size(), 8);
    EXPECT_EQ(ComboEntries(page->m_comboStart), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(page->m_btnAdd->objectName(), "1133");
    EXPECT_EQ(page->m_btnEdit->objectName(), "1134");
    EXPECT_TRUE(page->DropsEnter());
    EXPECT_TRUE(page->DropsEscape());

    Click(page->m_btnAdd);
    TypeInto(page->m_editName, "ev");
    ChooseEntry(page->m_comboStart, 2);
    Click(page->m_btnAdd);
    // The name goes in as typed in the program's code page, a colon too.
    page->m_editName->setText(QString::fromUtf8("\xE7\x81\xAF:1"));
    ChooseEntry(page->m_comboButton, 2);
    ChooseEntry(page->m_comboStart, 0);
    Click(page->m_btnAdd);
    EXPECT_EQ(SelectedEvents(), (CStringArray{"LTOG :  : 0 : 0 : 0", "LTOG : ev : 0 : 2 : 0",
                                              "LTOG : \xB5\xC6:1 : 2 : 0 : 0"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 1), (std::vector<std::string>{"Toggle", "Toggle", "Toggle"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 2)[1], "ev, Button 1 : Start No. 3");

    ClickRow(dlg.m_listEvent, 1);
    EXPECT_EQ(page->m_editName->text(), "ev");
    EXPECT_EQ(page->m_comboButton->currentText(), "Button 1");
    EXPECT_EQ(page->m_comboStart->currentText(), "3");
    ChooseEntry(page->m_comboButton, 7);
    Click(page->m_btnEdit);
    EXPECT_EQ(SelectedEvents()[1], "LTOG : ev : 7 : 2 : 0");
    EXPECT_EQ(dlg.m_listEvent->GetItemText(1, 2), "ev, Button 8 : Start No. 3");
    EXPECT_TRUE(m_prompter.Texts().empty());
}
