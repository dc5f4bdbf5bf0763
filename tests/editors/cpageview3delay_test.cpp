// The Delay page through the main window: the event text from the sliders,
// the hour, minute and second pairs, re-loading and Edit.
#include "editors/cpageview3delay.h"
#include "editors/eventpagefactory.h"
#include "editors/slidereditpair.h"
#include "eventpagefixture.h"
#include "support/comboinput.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

namespace {

class DelayPageTest : public EventPageTest {
protected:
    CPageView3Delay* Page() { return ShowPage<CPageView3Delay>(kPageDelay); }
};

} // namespace

TEST_F(DelayPageTest, StartsAtZeroAndAddTakesTheSliderPositions) {
    CravloDlg& dlg = StartWithAction();
    CPageView3Delay* page = Page();
    ASSERT_TRUE(page);
    EXPECT_EQ(dlg.m_tabEvents->tabText(kPageDelay), "Delay");
    EXPECT_EQ(page->m_sliderHour->maximum(), 23);
    EXPECT_EQ(page->m_sliderMinute->maximum(), 59);
    EXPECT_EQ(page->m_sliderSecond->maximum(), 59);
    for (QLineEdit* edit : {page->m_editHour, page->m_editMinute, page->m_editSecond})
        EXPECT_EQ(edit->text(), "0");
    EXPECT_EQ(ComboEntries(page->m_comboHalf), (QStringList{"0", "0.5S"}));
    EXPECT_EQ(page->m_comboHalf->currentIndex(), 0);
    EXPECT_TRUE(page->DropsEnter());
    EXPECT_TRUE(page->DropsEscape());

    TypeInto(page->m_editHour, "1");
    TypeInto(page->m_editMinute, "2");
    TypeInto(page->m_editSecond, "3");
    ChooseEntry(page->m_comboHalf, 1);
    Click(page->m_btnAdd);
    // A half second alone.
    for (QLineEdit* edit : {page->m_editHour, page->m_editMinute, page->m_editSecond})
        TypeInto(edit, "0");
    Click(page->m_btnAdd);
    // 0, 0, 10, "0".
    TypeInto(page->m_editSecond, "10");
    ChooseEntry(page->m_comboHalf, 0);
    Click(page->m_btnAdd);
    EXPECT_EQ(SelectedEvents(),
              (CStringArray{"DELY : 1 : 2 : 3 : 1 : 0102031", "DELY : 0 : 0 : 0 : 1 : 0000001",
                            "DELY : 0 : 0 : 10 : 0 : 0000100"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 1), (std::vector<std::string>{"Delay", "Delay", "Delay"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 2), (std::vector<std::string>{"Time Hour:1 Minute:2 Second:3.5s",
                                                                    "Time Hour:0 Minute:0 Second:0.5s",
                                                                    "Time Hour:0 Minute:0 Second:10s"}));
    EXPECT_TRUE(m_prompter.Texts().empty());
    // The controls keep their values.
    EXPECT_EQ(page->m_editSecond->text(), "10");
}

TEST_F(DelayPageTest, NumbersAboveTheMaximumAreRewrittenAndAnEmptiedEditCountsZero) {
    CravloDlg& dlg = StartWithAction();
    CPageView3Delay* page = Page();
    TypeInto(page->m_editHour, "30");
    EXPECT_EQ(page->m_editHour->text(), "23");
    EXPECT_EQ(page->m_sliderHour->value(), 23);
    TypeInto(page->m_editMinute, "75");
    EXPECT_EQ(page->m_editMinute->text(), "59");
    EXPECT_EQ(page->m_sliderMinute->value(), 59);
    TypeInto(page->m_editSecond, "59");
    ChooseEntry(page->m_comboHalf, 1);
    Click(page->m_btnAdd);

    // The user moves a slider: its edit follows.
    page->m_sliderMinute->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(page->m_editMinute->text(), "58");
    // An emptied hour edit puts its slider to 0 and stays empty.
    TypeInto(page->m_editHour, "");
    EXPECT_EQ(page->m_editHour->text(), "");
    EXPECT_EQ(page->m_sliderHour->value(), 0);
    // A negative number leaves the slider where it was (typed, "-" alone
    // would already read as 0).
    page->m_editSecond->setText("-5");
    EXPECT_EQ(page->m_sliderSecond->value(), 59);
    Click(page->m_btnAdd);
    EXPECT_EQ(dlg.m_keys[0].m_arrSlots[0],
              (CStringArray{"DELY : 23 : 59 : 59 : 1 : 2359591", "DELY : 0 : 58 : 59 : 1 : 0058591"}));
}

TEST_F(DelayPageTest, PickingADelayEventLoadsItAndEditReplacesIt) {
    CravloDlg& dlg = StartWithAction();
    dlg.AddEvent(0, 0, "RELY : 0 : 0 : 0");
    dlg.AddEvent(0, 0, "DELY : 1 : 2 : 3 : 1 : 0102031");
    dlg.m_listEvent->ShowEvents(0, 0);
    dlg.SelectEventPage(kPageRelay);
    ClickRow(dlg.m_listEvent, 1);
    EXPECT_EQ(dlg.m_tabEvents->currentIndex(), kPageDelay);
    auto* page = PageAt<CPageView3Delay>(kPageDelay);
    EXPECT_EQ(page->m_sliderHour->value(), 1);
    EXPECT_EQ(page->m_sliderMinute->value(), 2);
    EXPECT_EQ(page->m_sliderSecond->value(), 3);
    EXPECT_EQ(page->m_editHour->text(), "1");
    EXPECT_EQ(page->m_editMinute->text(), "2");
    EXPECT_EQ(page->m_editSecond->text(), "3");
    EXPECT_EQ(page->m_comboHalf->currentText(), "0.5S");

    TypeInto(page->m_editMinute, "45");
    Click(page->m_btnEdit);
    EXPECT_EQ(SelectedEvents(), (CStringArray{"RELY : 0 : 0 : 0", "DELY : 1 : 45 : 3 : 1 : 0145031"}));
    EXPECT_EQ(dlg.m_listEvent->GetItemText(1, 2), "Time Hour:1 Minute:45 Second:3.5s");
    EXPECT_TRUE(m_prompter.Texts().empty());

    // A stored hour above 23 shows as 23; a half-second index the list does
    // not have leaves it without a selection.
    page->LoadEvent("DELY : 30 : 0 : 7 : 4 : 3000074");
    EXPECT_EQ(page->m_sliderHour->value(), 23);
    EXPECT_EQ(page->m_editHour->text(), "23");
    EXPECT_EQ(page->m_sliderSecond->value(), 7);
    EXPECT_EQ(page->m_comboHalf->currentIndex(), -1);
}

TEST_F(DelayPageTest, AddAndEditRefuseWithoutAnActionOrASelectedEvent) {
    CravloDlg& dlg = Start();
    CPageView3Delay* page = Page();
    Click(page->m_btnAdd);
    Click(page->m_btnEdit);
    AddPressAction(0);
    Click(page->m_btnEdit);
    Click(page->m_btnAdd);
    dlg.m_listEvent->DeselectAll();
    Click(page->m_btnEdit);
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"Please add an action in action list",
                                                            "Please add an action in action list",
                                                            "Please add a event in event List",
                                                            "Please select the event to edit"}));
    EXPECT_EQ(SelectedEvents(), CStringArray{"DELY : 0 : 0 : 0 : 0 : 0000000"});
}
