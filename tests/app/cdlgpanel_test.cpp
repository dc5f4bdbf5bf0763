#include "app/cdlgpanel.h"
#include "support/comboinput.h"
#include "support/scripted_prompter.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

constexpr const char* kClearQuestion = "This will clear all actions and event";

} // namespace

TEST(DlgPanel, StartsOnTheGivenPortMode) {
    ScriptedPrompter prompter;
    CDlgPanel panel(2);
    panel.show();
    EXPECT_EQ(panel.windowTitle(), QString("Output Port Selection"));
    EXPECT_EQ(panel.m_label->text(), QString("Enable RS232/IR"));
    QComboBox* combo = panel.findChild<QComboBox*>("1146");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(ComboEntries(combo), (QStringList{"RS232(1),(2)", "RS232(2),IR 2", "RS232(1),IR 3", "IR 2,3"}));
    EXPECT_EQ(combo->currentText(), QString("RS232(1),IR 3"));
    EXPECT_EQ(panel.m_nPortMode, 2);
    EXPECT_TRUE(panel.m_btnOk->isEnabled());
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST(DlgPanel, SameEntryAsksNothingOtherEntryAsks) {
    ScriptedPrompter prompter;
    CDlgPanel panel(1);
    panel.show();
    ChooseEntry(panel.m_comboPortMode, 1);
    EXPECT_TRUE(prompter.Texts().empty());

    // No: the box and the choice stay on the old entry.
    prompter.QueueAnswer(prompt::Answer::No);
    ChooseEntry(panel.m_comboPortMode, 3);
    ASSERT_EQ(prompter.Messages().size(), 1u);
    const prompt::MessageRequest asked = prompter.Messages()[0];
    EXPECT_EQ(asked.text, kClearQuestion);
    EXPECT_EQ(asked.buttons, prompt::Buttons::YesNo);
    EXPECT_EQ(asked.icon, prompt::Icon::Warning);
    EXPECT_EQ(panel.m_comboPortMode->currentIndex(), 1);
    EXPECT_EQ(panel.m_nPortMode, 1);

    // Yes, chosen with the keyboard: both move to the new entry.
    prompter.QueueAnswer(prompt::Answer::Yes);
    panel.m_comboPortMode->setFocus();
    QTest::keyClick(panel.m_comboPortMode, Qt::Key_Down);
    EXPECT_EQ(prompter.Count(kClearQuestion), 2u);
    EXPECT_EQ(panel.m_comboPortMode->currentIndex(), 2);
    EXPECT_EQ(panel.m_nPortMode, 2);

    QTest::mouseClick(panel.m_btnOk, Qt::LeftButton);
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    EXPECT_EQ(panel.m_nPortMode, 2);
}

TEST(DlgPanel, CancelAfterYesAnswersCancel) {
    ScriptedPrompter prompter;
    CDlgPanel panel(0);
    prompter.QueueAnswer(prompt::Answer::Yes);
    panel.show();
    ChooseEntry(panel.m_comboPortMode, 3);
    QTest::mouseClick(panel.m_btnCancel, Qt::LeftButton);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(panel.result(), QDialog::Rejected);
}

TEST(DlgPanel, PortModeOutsideTheEntriesKeepsOkDisabledUntilOneIsChosen) {
    ScriptedPrompter prompter;
    CDlgPanel panel(7);
    panel.show();
    EXPECT_EQ(panel.m_comboPortMode->currentIndex(), -1);
    EXPECT_FALSE(panel.m_btnOk->isEnabled());
    QTest::keyClick(panel.m_btnOk, Qt::Key_Return);
    EXPECT_TRUE(panel.isVisible());

    prompter.QueueAnswer(prompt::Answer::No);
    ChooseEntry(panel.m_comboPortMode, 0);
    EXPECT_EQ(panel.m_comboPortMode->currentIndex(), -1);
    EXPECT_FALSE(panel.m_btnOk->isEnabled());

    prompter.QueueAnswer(prompt::Answer::Yes);
    ChooseEntry(panel.m_comboPortMode, 3);
    EXPECT_TRUE(panel.m_btnOk->isEnabled());
    QTest::mouseClick(panel.m_btnOk, Qt::LeftButton);
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    EXPECT_EQ(panel.m_nPortMode, 3);
}

TEST(DlgPanel, PortModeTexts) {
    EXPECT_EQ(CDlgPanel::PortModeText(0), QString("RS232(1),(2)"));
    EXPECT_EQ(CDlgPanel::PortModeText(3), QString("IR 2,3"));
    EXPECT_EQ(CDlgPanel::PortModeText(4), QString());
    EXPECT_EQ(CDlgPanel::PortModeText(-1), QString());
}
