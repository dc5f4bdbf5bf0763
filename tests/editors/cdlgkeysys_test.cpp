#include "editors/cdlgkeysys.h"
#include "model/keyrecord.h"
#include "support/comboinput.h"
#include "support/scripted_prompter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// The visible controls that carry an id, by id.
QStringList VisibleIds(QWidget& dialog) {
    QStringList ids;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && w->isVisible() && w->parentWidget() == &dialog)
            ids << w->objectName();
    }
    ids.sort();
    return ids;
}

} // namespace

TEST(KeySys, TimerKeyOffersThreeTimersWithHoursAndMinutes) {
    ScriptedPrompter prompter;
    CDlgKeySys dlg(34, 0, nullptr);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QString("Delay time"));
    EXPECT_EQ(ComboEntries(dlg.m_comboItem), (QStringList{"Time 1", "Time 2", "Time 3"}));
    EXPECT_EQ(dlg.m_comboItem->currentIndex(), 0);
    EXPECT_EQ(dlg.m_editHour->text(), QString("0"));
    EXPECT_EQ(dlg.m_editMinute->text(), QString("0"));
    EXPECT_EQ(dlg.m_sliderHour->maximum(), 16);
    EXPECT_EQ(dlg.m_sliderMinute->maximum(), 59);
    EXPECT_EQ(VisibleIds(dlg),
              (QStringList{"1", "1139", "1144", "1150", "1151", "1153", "1154", "1197", "1198", "2"}));

    // Moving a slider writes its edit.
    dlg.m_sliderMinute->setFocus();
    QTest::keyClick(dlg.m_sliderMinute, Qt::Key_Right);
    QTest::keyClick(dlg.m_sliderMinute, Qt::Key_Right);
    EXPECT_EQ(dlg.m_editMinute->text(), QString("2"));

    ChooseEntry(dlg.m_comboItem, 2);
    Retype(dlg.m_editHour, "16");
    Retype(dlg.m_editMinute, "39");
    QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_EQ(dlg.m_nKind, 6);
    EXPECT_EQ(dlg.m_nItem, 2);
    EXPECT_EQ(dlg.m_nHours, 16);
    EXPECT_EQ(dlg.m_nMinutes, 39);
    EXPECT_EQ(dlg.m_nTotalMinutes, 999);
    EXPECT_EQ(KeyRecord::GetKeyActionSlot(dlg.m_nKind, dlg.m_nItem, dlg.m_nTotalMinutes), 33);
}

TEST(KeySys, MoreThan999MinutesIsRefusedAndTheDialogStays) {
    ScriptedPrompter prompter;
    CDlgKeySys dlg(34, 1, nullptr);
    dlg.show();
    Retype(dlg.m_editHour, "16");
    Retype(dlg.m_editMinute, "40");
    QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0].text, "The maximum time is 999 minutes");
    EXPECT_EQ(prompter.Messages()[0].caption, "TimeSet");
    EXPECT_EQ(prompter.Messages()[0].buttons, prompt::Buttons::Ok);
    EXPECT_EQ(prompter.Messages()[0].icon, prompt::Icon::Warning);
    EXPECT_EQ(dlg.m_editMinute->text(), QString("40"));

    Retype(dlg.m_editMinute, "39");
    QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST(KeySys, EditsMoveTheirSlidersWithinRange) {
    CDlgKeySys dlg(34, 2, nullptr);
    dlg.show();
    Retype(dlg.m_editHour, "20");
    EXPECT_EQ(dlg.m_editHour->text(), QString("16"));
    EXPECT_EQ(dlg.m_sliderHour->value(), 16);
    Retype(dlg.m_editHour, "");
    EXPECT_EQ(dlg.m_sliderHour->value(), 0);
    EXPECT_EQ(dlg.m_editHour->text(), QString(""));
    Retype(dlg.m_editMinute, "75");
    EXPECT_EQ(dlg.m_editMinute->text(), QString("59"));
    EXPECT_EQ(dlg.m_sliderMinute->value(), 59);
    // Text that is no number reads as 0; the edit keeps what was typed.
    Retype(dlg.m_editMinute, "x");
    EXPECT_EQ(dlg.m_sliderMinute->value(), 0);
    EXPECT_EQ(dlg.m_editMinute->text(), QString("x"));
    Retype(dlg.m_editMinute, "7");
    EXPECT_EQ(dlg.m_sliderMinute->value(), 7);
    EXPECT_EQ(dlg.m_editMinute->text(), QString("7"));
}

TEST(KeySys, IoKeysOnModel2OfferThreeLines) {
    const struct {
        int key;
        QStringList items;
        int kind;
        int slotOfLast;
    } cases[] = {{32, {"IOL 1", "IOL 2", "IOL 3"}, 4, 25}, {33, {"IOH 1", "IOH 2", "IOH 3"}, 5, 29}};
    for (const auto& c : cases) {
        CDlgKeySys dlg(c.key, 2, nullptr);
        dlg.show();
        EXPECT_EQ(ComboEntries(dlg.m_comboItem), c.items);
        // Hours and minutes play no part in an I/O key action.
        EXPECT_EQ(VisibleIds(dlg), (QStringList{"1", "1139", "1144", "2"}));
        ChooseEntry(dlg.m_comboItem, 2);
        QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
        EXPECT_EQ(dlg.m_nKind, c.kind);
        EXPECT_EQ(dlg.m_nItem, 2);
        EXPECT_EQ(KeyRecord::GetKeyActionSlot(dlg.m_nKind, dlg.m_nItem, dlg.m_nTotalMinutes), c.slotOfLast);
    }
}

TEST(KeySys, StartKeyShowsOnlyAddAndCancel) {
    for (int model : {0, 1, 2}) {
        CDlgKeySys dlg(35, model, nullptr);
        dlg.show();
        EXPECT_EQ(dlg.windowTitle(), QString("Start"));
        EXPECT_EQ(VisibleIds(dlg), (QStringList{"1", "2"}));
        QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.m_nKind, 7);
        EXPECT_EQ(KeyRecord::GetKeyActionSlot(dlg.m_nKind, dlg.m_nItem, dlg.m_nTotalMinutes), 35);
    }
}

TEST(KeySys, KindByKeyAndModel) {
    EXPECT_EQ(CDlgKeySys(32, 0).GetKeyActionKind(), 4);
    EXPECT_EQ(CDlgKeySys(33, 1).GetKeyActionKind(), 5);
    EXPECT_EQ(CDlgKeySys(34, 2).GetKeyActionKind(), 6);
    EXPECT_EQ(CDlgKeySys(35, 0).GetKeyActionKind(), 7);
    EXPECT_EQ(CDlgKeySys(5, 0).GetKeyActionKind(), 8);
    EXPECT_EQ(CDlgKeySys(34, 3).GetKeyActionKind(), 0);
    EXPECT_EQ(CDlgKeySys(34, -1).GetKeyActionKind(), 0);
}

TEST(KeySys, ReturnAndEscapeDoNothing) {
    CDlgKeySys dlg(34, 0, nullptr);
    dlg.show();
    dlg.m_editHour->setFocus();
    QTest::keyClick(dlg.m_editHour, Qt::Key_Return);
    QTest::keyClick(dlg.m_editHour, Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());
}
