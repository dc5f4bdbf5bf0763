// The Loop page through the main window.
#include "controls/fittingedit.h"
#include "editors/cpageview3casd.h"
#include "editors/eventpagefactory.h"
#include "eventpagefixture.h"
#include "support/comboinput.h"

#include <QComboBox>

TEST_F(EventPageTest, LoopEventStoresTheListTextsAndReloadsThem) {
    CravloDlg& dlg = StartWithAction();
    auto* page = ShowPage<CPageView3Casd>(kPageLoop);
    ASSERT_TRUE(page);
    EXPECT_EQ(dlg.m_tabEvents->tabText(kPageLoop), "Loop");
    const QStringList ids = ComboEntries(page->m_comboId);
    ASSERT_EQ(ids.size(), 99);
    EXPECT_EQ(ids.front(), "1");
    EXPECT_EQ(ids.back(), "99");
    const QStringList keys = ComboEntries(page->m_comboKeyNo);
    ASSERT_EQ(keys.size(), 32);
    EXPECT_EQ(keys.back(), "32");
    EXPECT_TRUE(page->DropsEnter());
    EXPECT_TRUE(page->DropsEscape());

    Click(page->m_btnAdd);
    TypeInto(page->m_editName, "ev");
    ChooseEntry(page->m_comboId, QString("12"));
    ChooseEntry(page->m_comboKeyNo, QString("5"));
    Click(page->m_btnAdd);
    EXPECT_EQ(SelectedEvents(), (CStringArray{"CASD :  : 1 : 1 : -", "CASD : ev : 12 : 5 : -"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 1), (std::vector<std::string>{"Loop", "Loop"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 2),
              (std::vector<std::string>{"ID:1, Action Key:1", "ev, ID:12, Action Key:5"}));

    ClickRow(dlg.m_listEvent, 0);
    EXPECT_EQ(page->m_editName->text(), "");
    EXPECT_EQ(page->m_comboId->currentText(), "1");
    ClickRow(dlg.m_listEvent, 1);
    EXPECT_EQ(page->m_editName->text(), "ev");
    EXPECT_EQ(page->m_comboId->currentText(), "12");
    EXPECT_EQ(page->m_comboKeyNo->currentText(), "5");
    TypeInto(page->m_editName, "Scene");
    Click(page->m_btnEdit);
    EXPECT_EQ(SelectedEvents(), (CStringArray{"CASD :  : 1 : 1 : -", "CASD : Scene : 12 : 5 : -"}));
    EXPECT_EQ(dlg.m_listEvent->GetItemText(1, 2), "Scene, ID:12, Action Key:5");
    EXPECT_TRUE(m_prompter.Texts().empty());

    // A number the lists do not hold selects their first entry, not the
    // selection kept.
    page->LoadEvent("CASD : x : 150 : 40 : -");
    EXPECT_EQ(page->m_comboId->currentText(), "1");
    EXPECT_EQ(page->m_comboKeyNo->currentText(), "1");
    // A colon in the name shifts the later fields.
    page->LoadEvent("CASD : A:B : 5 : 12 : -");
    EXPECT_EQ(page->m_editName->text(), "A");
    EXPECT_EQ(page->m_comboId->currentText(), "1");
    EXPECT_EQ(page->m_comboKeyNo->currentText(), "5");
}

TEST_F(EventPageTest, LoopNameTakesNoMoreThanFitsInItsBox) {
    Start();
    auto* page = ShowPage<CPageView3Casd>(kPageLoop);
    const QString many(200, QLatin1Char('W'));
    TypeInto(page->m_editName, many);
    const QString typed = page->m_editName->text();
    EXPECT_GT(typed.size(), 3);
    EXPECT_LT(typed.size(), 200);
    EXPECT_TRUE(page->m_editName->Fits(typed));
    EXPECT_FALSE(page->m_editName->Fits(typed + "W"));
    // A stored name is shown whole.
    page->LoadEvent("CASD : " + std::string(100, 'W') + " : 5 : 12 : -");
    EXPECT_EQ(page->m_editName->text(), QString(100, QLatin1Char('W')));
}
