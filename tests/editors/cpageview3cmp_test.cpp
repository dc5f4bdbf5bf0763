// The Compare event page: the UCMP text from its controls, Add and Edit
// through the main window, the port rules, the data formats and re-loading.
#include "controls/crs232edit.h"
#include "editors/cpageview3cmp.h"
#include "editors/eventpagefactory.h"
#include "eventpagefixture.h"
#include "support/comboinput.h"
#include "support/screenshot.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

using Strings = std::vector<std::string>;

class CmpPageTest : public EventPageTest {
protected:
    CPageView3Cmp* Page() { return PageAt<CPageView3Cmp>(kPageCmp); }
    static void ClickRadio(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static bool EndCharHidden(const CPageView3Cmp* p) {
        return p->m_staticEndChar->isHidden() && p->m_radioEndNone->isHidden() &&
               p->m_radioEndCr->isHidden() && p->m_radioEndCrLf->isHidden();
    }
};

const std::string kOnlyPort3 = "Port 1 and port 2 are unavailable in this setting,\rplease select port 3";
const std::string kNotPort1 = "Port 1 is unavailable in this setting,\rplease select other port.";

} // namespace

TEST_F(CmpPageTest, FreshPageAddsTheExactText) {
    CravloDlg& dlg = StartWithAction();
    CPageView3Cmp* page = Page();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(dlg.m_tabEvents->tabText(kPageCmp), QString("Compare"));
    EXPECT_EQ(ComboEntries(page->m_comboPort), (QStringList{"Port 1", "Port 2", "Port 3"}));
    EXPECT_EQ(page->m_comboPort->currentIndex(), 0);
    EXPECT_TRUE(page->m_radioAscii->isChecked());
    EXPECT_TRUE(page->m_radioEndNone->isChecked());
    EXPECT_TRUE(page->m_radioEqual->isChecked());
    EXPECT_FALSE(page->m_radioInclude->isChecked());
    EXPECT_EQ(page->m_radioEndCr->text(), QString("Enter"));
    EXPECT_EQ(page->m_radioEndCrLf->text(), QString("Carriage Return"));
    EXPECT_EQ(page->m_staticEndChar->title(), QString("End Char For ASCII Format"));
    EXPECT_FALSE(page->m_editData->m_bHexMode);
    EXPECT_TRUE(page->DropsEnter());
    EXPECT_TRUE(page->DropsEscape());

    dlg.SelectEventPage(kPageCmp);
    QTest::keyClicks(page->m_editData, "OK");
    ClickRadio(page->m_radioEndCr);
    ChooseEntry(page->m_comboPort, 2);
    Click(page->m_btnAdd);
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(SelectedEvents(), CStringArray{"UCMP :  : 2 : 0 : 1 :0 :OK"});
    EXPECT_EQ(Column(dlg.m_listEvent, 1), Strings{"Compare"});
    EXPECT_EQ(Column(dlg.m_listEvent, 2), Strings{"Port 3 "});

    ClickRadio(page->m_radioInclude);
    QTest::keyClicks(page->m_editEventName, "  Do:or ");
    Click(page->m_btnAdd);
    EXPECT_EQ(SelectedEvents(),
              (CStringArray{"UCMP :  : 2 : 0 : 1 :0 :OK", "UCMP : Door : 2 : 0 : 1 :1 :OK"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 2), (Strings{"Port 3 ", "Door, Port 3 "}));

    // Empty data is accepted.
    Click(page->m_btnClearData);
    EXPECT_EQ(page->m_editData->text(), QString());
    Click(page->m_btnAdd);
    EXPECT_EQ(SelectedEvents().back(), "UCMP : Door : 2 : 0 : 1 :1 :");
    SaveScreenshot(dlg, "cpageview3cmp.png");
}

TEST_F(CmpPageTest, HexConversionAndFilter) {
    CravloDlg& dlg = StartWithAction();
    CPageView3Cmp* page = Page();
    dlg.SelectEventPage(kPageCmp);
    QTest::keyClicks(page->m_editData, "OK");
    ClickRadio(page->m_radioEndCr);
    ClickRadio(page->m_radioHex);
    EXPECT_EQ(page->m_editData->text(), QString("4f 4b 0d"));
    EXPECT_TRUE(EndCharHidden(page));
    ClickRadio(page->m_radioHex);
    QTest::keyClicks(page->m_editData, " x0");
    EXPECT_EQ(page->m_editData->text(), QString("4f 4b 0d 0"));
    ChooseEntry(page->m_comboPort, 1);
    Click(page->m_btnAdd);
    EXPECT_EQ(SelectedEvents(), CStringArray{"UCMP :  : 1 : 1 : 1 :0 :4f 4b 0d 0"});

    ClickRadio(page->m_radioAscii);
    EXPECT_EQ(page->m_editData->text(), QString());
    EXPECT_FALSE(EndCharHidden(page));
    QTest::keyClicks(page->m_editData, "OK");
    ClickRadio(page->m_radioEndCrLf);
    ClickRadio(page->m_radioHex);
    EXPECT_EQ(page->m_editData->text(), QString("4f 4b 0d 0a"));
}

TEST_F(CmpPageTest, PortRulesByModelAndPortMode) {
    CravloDlg& dlg = StartWithAction();
    CPageView3Cmp* page = Page();
    dlg.SelectEventPage(kPageCmp);
    struct Case {
        int model, mode, port;
        std::string refusal; // empty: added
    };
    const Case cases[] = {
        {0, 0, 0, kNotPort1},  {0, 0, 1, ""},         {1, 1, 0, kNotPort1}, {1, 1, 2, ""},
        {0, 2, 0, kOnlyPort3}, {1, 2, 1, kOnlyPort3}, {0, 2, 2, ""},        {0, 3, 1, kOnlyPort3},
        {1, 3, 2, ""},         {2, 0, 0, ""},         {2, 3, 0, ""},        {2, 2, 1, ""},
    };
    size_t events = 0;
    for (const Case& c : cases) {
        m_prompter.Clear();
        dlg.m_nModel = c.model;
        dlg.m_nPortMode = c.mode;
        ChooseEntry(page->m_comboPort, c.port);
        m_prompter.QueueAnswer(prompt::Answer::Ok);
        Click(page->m_btnAdd);
        if (c.refusal.empty()) {
            EXPECT_TRUE(m_prompter.Texts().empty()) << c.model << c.mode << c.port;
            ++events;
        } else {
            EXPECT_EQ(m_prompter.Texts(), Strings{"Compare selection port|" + c.refusal})
                << c.model << c.mode << c.port;
        }
        EXPECT_EQ(SelectedEvents().size(), std::max<size_t>(events, 1)) << c.model << c.mode << c.port;
    }

    // Edit asks under the same title and changes nothing when refused.
    m_prompter.Clear();
    ClickRow(dlg.m_listEvent, 0);
    const CStringArray before = SelectedEvents();
    dlg.m_nModel = 0;
    dlg.m_nPortMode = 0;
    ChooseEntry(page->m_comboPort, 0);
    Click(page->m_btnEdit);
    EXPECT_EQ(m_prompter.Texts(), Strings{"Compare selection port|" + kNotPort1});
    EXPECT_EQ(SelectedEvents(), before);
}

TEST_F(CmpPageTest, EditAndItsChecks) {
    CravloDlg& dlg = Start();
    CPageView3Cmp* page = Page();
    dlg.SelectEventPage(kPageCmp);
    Click(page->m_btnAdd);
    Click(page->m_btnEdit);
    AddPressAction(0);
    Click(page->m_btnEdit);
    ChooseEntry(page->m_comboPort, 1);
    Click(page->m_btnAdd);
    Click(page->m_btnEdit);
    EXPECT_EQ(m_prompter.Texts(),
              (Strings{"Please add an action in action list", "Please add an action in action list",
                       "Please add a event in event List", "Please select the event to edit"}));

    m_prompter.Clear();
    ClickRow(dlg.m_listEvent, 0);
    page->m_editData->setText("ACK");
    ChooseEntry(page->m_comboPort, 2);
    Click(page->m_btnEdit);
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(SelectedEvents(), CStringArray{"UCMP :  : 2 : 0 : 0 :0 :ACK"});
    EXPECT_EQ(Column(dlg.m_listEvent, 2), Strings{"Port 3 "});
}

TEST_F(CmpPageTest, ReloadingPutsTheFieldsBack) {
    CravloDlg& dlg = StartWithAction();
    CPageView3Cmp* page = Page();
    const std::string text = "UCMP :  Ack : 1 : 1 : 0 : 1 :41 42";
    dlg.AddEvent(0, 0, text);
    dlg.AddEventRow(text);
    ClickRow(dlg.m_listEvent, 0);
    EXPECT_EQ(dlg.m_tabEvents->currentIndex(), kPageCmp);
    EXPECT_EQ(page->m_comboPort->currentText(), QString("Port 2"));
    EXPECT_TRUE(page->m_radioHex->isChecked());
    EXPECT_TRUE(EndCharHidden(page));
    EXPECT_TRUE(page->m_editData->m_bHexMode) << "the typing filter follows the format";
    EXPECT_EQ(page->m_editData->text(), QString("41 42"));
    EXPECT_EQ(page->m_editEventName->text(), QString("Ack"));
    EXPECT_TRUE(page->m_radioInclude->isChecked());
    EXPECT_FALSE(page->m_radioEqual->isChecked());
    // Edit writes it back as the page writes it.
    Click(page->m_btnEdit);
    EXPECT_EQ(SelectedEvents(), CStringArray{"UCMP : Ack : 1 : 1 : 0 :1 :41 42"});

    for (const char* mode : {"0", "x", " 11", ""}) {
        page->LoadEvent(std::string("UCMP : : 0 : 0 : 2 :") + mode + " :OK");
        EXPECT_TRUE(page->m_radioEqual->isChecked()) << mode;
        EXPECT_FALSE(page->m_radioInclude->isChecked()) << mode;
        EXPECT_TRUE(page->m_radioAscii->isChecked());
        EXPECT_TRUE(page->m_radioEndCrLf->isChecked());
        EXPECT_FALSE(EndCharHidden(page));
        EXPECT_FALSE(page->m_editData->m_bHexMode);
        EXPECT_EQ(page->m_editData->text(), QString("OK"));
    }
    page->LoadEvent("UCMP : : 0 : 0 : 0 : 1 : leading");
    EXPECT_TRUE(page->m_radioInclude->isChecked());
    EXPECT_EQ(page->m_editData->text(), QString(" leading"));

    // A port index beyond the list: no selection, and no event on port 0.
    page->LoadEvent("UCMP : : 3 : 0 : 0 :0 :OK");
    EXPECT_EQ(page->m_comboPort->currentIndex(), -1);
    m_prompter.Clear();
    Click(page->m_btnAdd);
    EXPECT_EQ(m_prompter.Texts(), Strings{"no selecte port"});
    EXPECT_EQ(SelectedEvents().size(), 1u);
    // Port mode 3 refuses it as any port but 3.
    dlg.m_nPortMode = 3;
    Click(page->m_btnAdd);
    EXPECT_EQ(m_prompter.Texts().back(), "Compare selection port|" + kOnlyPort3);
    EXPECT_EQ(SelectedEvents().size(), 1u);
}
