// Clicks on the keys of the panel: the key action dialog of the key's kind
// opens, and its Add gives the key the chosen key action.
#include "mainwindowfixture.h"

#include "app/cdlgpanel.h"
#include "app/cqvmview2listctrl.h"
#include "app/cqvmview4listctrl.h"
#include "controls/cqvmkeynameedit.h"
#include "editors/cdlgkeynormal.h"
#include "editors/cdlgkeysys.h"
#include "editors/cdlgkeyvirt.h"
#include "support/comboinput.h"
#include "support/modalwait.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QWindow>
#include <QtTest/QTest>

namespace {

void ClickKey(CBaseButton& key) {
    QTest::mouseClick(&key, Qt::LeftButton, {}, QPoint(17, 12));
}

void Click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// The key as the window last painted it on the screen, and as it draws now.
QImage KeyOnScreen(CravloDlg& dlg, CBaseButton& key) {
    QApplication::processEvents();
    const QImage window = dlg.windowHandle()->screen()->grabWindow(dlg.winId()).toImage();
    return window.copy(QRect(key.mapTo(&dlg, QPoint(0, 0)), key.size()))
        .convertToFormat(QImage::Format_RGB32);
}
QImage KeyAsDrawn(CBaseButton& key) {
    return key.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST_F(MainWindowTest, ClickOnNormalKey1AndAddWithPressGivesThePressKeyAction) {
    CravloDlg& dlg = Start();
    bool opened = false;
    OnModalOf<CDlgKeyNormal>([&](CDlgKeyNormal* d) {
        opened = true;
        EXPECT_EQ(d->m_nKey, 0);
        EXPECT_EQ(d->m_comboType->currentText(), "Press");
        Click(d->m_btnOk);
    });
    ClickKey(dlg.m_keys[0]);
    ASSERT_TRUE(opened);

    const CBaseButton& key = dlg.m_keys[0];
    EXPECT_EQ(key.m_arrSlots[0], CStringArray{""});
    for (int slot = 1; slot < 37; ++slot)
        EXPECT_TRUE(key.m_arrSlots[size_t(slot)].empty()) << slot;
    EXPECT_EQ(key.m_nKind, 1);
    EXPECT_EQ(dlg.m_nSelKey, 0);
    EXPECT_EQ(dlg.m_nSelSlot, 0);
    // The dialog raised the new key's LED level to 1 and kept its name.
    EXPECT_EQ(key.m_nLedLevel, 1);
    EXPECT_EQ(key.m_strName, "1");
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(MainWindowTest, AddTakesTheKeySettingsAndPageNumberFour) {
    WriteSettings("[SYSTEM]\r\nMACHINE_TYPE=1\r\n");
    CravloDlg& dlg = Start();
    dlg.m_keys[3].SetKeyAction(1, 0, 0); // a Press that the Page replaces
    OnModalOf<CDlgKeyNormal>([&](CDlgKeyNormal* d) {
        ChooseEntry(d->m_comboType, QString("Page"));
        ChooseEntry(d->m_comboPageNum, QString("4"));
        ChooseEntry(d->m_comboLed, QString("Level 3"));
        ChooseEntry(d->m_comboGroup, QString("Group 12")); // model 1 has 19 groups
        d->m_editName->setText("TV 1");
        Click(d->m_btnOk);
    });
    ClickKey(dlg.m_keys[3]);

    const CBaseButton& key = dlg.m_keys[3];
    EXPECT_TRUE(key.m_arrSlots[0].empty());
    EXPECT_EQ(key.m_arrSlots[6], CStringArray{""});
    EXPECT_EQ(key.m_nKind, 2);
    EXPECT_EQ(key.m_nParamA, 0);
    EXPECT_EQ(key.m_nParamB, 3);
    EXPECT_EQ(key.m_nLedLevel, 3);
    EXPECT_EQ(key.m_nGroup, 12);
    EXPECT_EQ(key.m_strName, "TV 1");
    EXPECT_EQ(dlg.m_nSelKey, 3);
    EXPECT_EQ(dlg.m_nSelSlot, 6);
}

TEST_F(MainWindowTest, AddOfAnyTypeKeepsTheKeysRepeatDelay) {
    CravloDlg& dlg = Start();
    CBaseButton& key = dlg.m_keys[0];
    key.SetKeyAction(1, 0, 0);
    key.m_nRepeatDelay = 15;
    // Release, Page and Toggle hide the repeat interval; Press shows it.
    for (const char* type : {"Release", "Page", "Toggle", "Press"}) {
        SCOPED_TRACE(type);
        OnModalOf<CDlgKeyNormal>([&](CDlgKeyNormal* d) {
            EXPECT_EQ(d->m_editRepeat->text(), "1.5S");
            EXPECT_EQ(d->m_sliderRepeat->value(), 15);
            ChooseEntry(d->m_comboType, QString(type));
            Click(d->m_btnOk);
        });
        ClickKey(key);
        EXPECT_EQ(key.m_nRepeatDelay, 15);
    }
    // Release kept the Press; the last Press shows the delay again.
    const int row = dlg.m_listAction->FindItem(0, 0);
    ASSERT_GE(row, 0);
    EXPECT_EQ(dlg.m_listAction->GetItemText(row, 2), "Repeat Delay Time: 1.5S");
}

TEST_F(MainWindowTest, CancelAddsNothingAndSetOnlyRenames) {
    CravloDlg& dlg = Start();
    OnModalOf<CDlgKeyNormal>([&](CDlgKeyNormal* d) { Click(d->m_btnCancel); });
    ClickKey(dlg.m_keys[1]);
    for (const CStringArray& slot : dlg.m_keys[1].m_arrSlots)
        EXPECT_TRUE(slot.empty());

    OnModalOf<CDlgKeyNormal>([&](CDlgKeyNormal* d) {
        d->m_editName->setText("AB ");
        Click(d->m_btnSet);
    });
    ClickKey(dlg.m_keys[1]);
    EXPECT_EQ(dlg.m_keys[1].m_strName, "AB");
    // The key on the screen shows its new name at once.
    EXPECT_EQ(KeyOnScreen(dlg, dlg.m_keys[1]), KeyAsDrawn(dlg.m_keys[1]));
    for (const CStringArray& slot : dlg.m_keys[1].m_arrSlots)
        EXPECT_TRUE(slot.empty());
    EXPECT_EQ(dlg.m_nSelKey, 0);
    EXPECT_EQ(dlg.m_nSelSlot, 0);
}

TEST_F(MainWindowTest, AKeyActionWithoutATypeIsRefusedWithAddError) {
    CravloDlg& dlg = Start();
    CBaseButton& key = dlg.m_keys[2];
    key.SetKeyAction(1, 2, 0); // Long: the dialog opens with no type chosen
    key.m_arrSlots[2] = {"DELY : 5"};
    OnModalOf<CDlgKeyNormal>([&](CDlgKeyNormal* d) {
        EXPECT_EQ(d->m_comboType->currentIndex(), -1);
        d->m_editName->setText("X");
        Click(d->m_btnOk);
    });
    ClickKey(key);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Add error"});
    EXPECT_EQ(key.m_arrSlots[2], CStringArray{"DELY : 5"});
    EXPECT_EQ(key.m_nKind, 1);
    // The key settings were taken all the same.
    EXPECT_EQ(key.m_strName, "X");
}

TEST_F(MainWindowTest, VirtualKeyAddGivesTheVirtualKeyActionAndItsName) {
    CravloDlg& dlg = Start();
    OnModalOf<CDlgKeyVirt>([&](CDlgKeyVirt* d) {
        EXPECT_EQ(d->m_nKey, 8);
        d->m_editName->setText("DVD");
        Click(d->m_btnOk);
    });
    ClickKey(dlg.m_keys[8]);
    const CBaseButton& key = dlg.m_keys[8];
    EXPECT_EQ(key.m_arrSlots[36], CStringArray{""});
    EXPECT_EQ(key.m_nKind, 8);
    EXPECT_EQ(key.m_strName, "DVD");
    EXPECT_EQ(dlg.m_nSelKey, 8);
    EXPECT_EQ(dlg.m_nSelSlot, 36);
}

TEST_F(MainWindowTest, TimeKeyAddSetsTheTimerAndItsSlot) {
    CravloDlg& dlg = Start();
    OnModalOf<CDlgKeySys>([&](CDlgKeySys* d) {
        ChooseEntry(d->m_comboItem, QString("Time 2"));
        d->m_sliderHour->setValue(2);
        d->m_sliderMinute->setValue(5);
        Click(d->m_btnOk);
    });
    ClickKey(dlg.m_keys[34]);
    const CBaseButton& key = dlg.m_keys[34];
    EXPECT_EQ(key.m_arrSlots[32], CStringArray{""});
    EXPECT_EQ(key.m_nTimer[1], 125);
    EXPECT_EQ(key.m_nKind, 6);
    EXPECT_EQ(dlg.m_nSelKey, 34);
    EXPECT_EQ(dlg.m_nSelSlot, 32);
}

TEST_F(MainWindowTest, Model2OpensTheIoKeyDialog) {
    WriteSettings("[SYSTEM]\r\nMACHINE_TYPE=2\r\n");
    CravloDlg& dlg = Start();
    OnModalOf<CDlgKeySys>([&](CDlgKeySys* d) {
        ChooseEntry(d->m_comboItem, QString("IOH 3"));
        Click(d->m_btnOk);
    });
    ClickKey(dlg.m_keys[33]);
    EXPECT_EQ(dlg.m_keys[33].m_arrSlots[29], CStringArray{""});
    EXPECT_EQ(dlg.m_nSelSlot, 29);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(MainWindowTest, SystemPanelOnModel1SwitchesToModel0WithoutAQuestion) {
    WriteSettings("[SYSTEM]\r\nMACHINE_TYPE=1\r\nMACHINE_PORT=2\r\n");
    CravloDlg& dlg = Start();
    dlg.m_keys[0].SetKeyAction(1, 0, 0);
    OnModalOf<CDlgPanel>([&](CDlgPanel* d) {
        EXPECT_EQ(d->m_comboPortMode->currentText(), "RS232(1),IR 3");
        Click(d->m_btnOk);
    });
    dlg.MenuAction(32783)->trigger();
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(dlg.m_nModel, 0);
    EXPECT_EQ(dlg.m_nPortMode, 2);
    EXPECT_TRUE(dlg.m_keys[0].m_arrSlots[0].empty());
    EXPECT_TRUE(dlg.MenuAction(32783)->isChecked());
    EXPECT_TRUE(dlg.Control(1146)->isEnabled());
    EXPECT_EQ(ReadSettings(), "[SYSTEM]\r\nMACHINE_TYPE=0\r\nMACHINE_PORT=2\r\n");
}

TEST_F(MainWindowTest, SystemPanelOnModel0ChangesOnlyANewPortMode) {
    CravloDlg& dlg = Start();
    dlg.m_keys[0].SetKeyAction(1, 0, 0);
    // OK on the same port mode: nothing happens.
    OnModalOf<CDlgPanel>([&](CDlgPanel* d) { Click(d->m_btnOk); });
    dlg.MenuAction(32783)->trigger();
    EXPECT_EQ(dlg.m_keys[0].m_arrSlots[0], CStringArray{""});
    EXPECT_EQ(ReadSettings(), "[SYSTEM]\r\nMACHINE_TYPE=0\r\n");
    EXPECT_TRUE(dlg.MenuAction(32783)->isChecked());

    // Another port mode, agreed and cancelled: nothing happens either.
    m_prompter.QueueAnswer(prompt::Answer::Yes);
    OnModalOf<CDlgPanel>([&](CDlgPanel* d) {
        ChooseEntry(d->m_comboPortMode, 3);
        Click(d->m_btnCancel);
    });
    dlg.MenuAction(32783)->trigger();
    EXPECT_EQ(dlg.m_keys[0].m_arrSlots[0], CStringArray{""});
    EXPECT_EQ(ReadSettings(), "[SYSTEM]\r\nMACHINE_TYPE=0\r\n");

    // Agreed and OK: the keys are emptied and the choice is stored.
    m_prompter.QueueAnswer(prompt::Answer::Yes);
    OnModalOf<CDlgPanel>([&](CDlgPanel* d) {
        ChooseEntry(d->m_comboPortMode, 3);
        Click(d->m_btnOk);
    });
    dlg.MenuAction(32783)->trigger();
    EXPECT_TRUE(dlg.m_keys[0].m_arrSlots[0].empty());
    EXPECT_EQ(dlg.m_nPortMode, 3);
    EXPECT_EQ(qobject_cast<QComboBox*>(dlg.Control(1146))->currentText(), "IR 2,3");
    EXPECT_EQ(ReadSettings(), "[SYSTEM]\r\nMACHINE_TYPE=0\r\nMACHINE_PORT=3\r\n");
}

TEST_F(MainWindowTest, APortModeOutsideTheEntriesIsNeverWrittenBack) {
    const std::string settings = "[SYSTEM]\r\nMACHINE_TYPE=1\r\nMACHINE_PORT=7\r\n";
    WriteSettings(settings);
    CravloDlg& dlg = Start();
    OnModalOf<CDlgPanel>([&](CDlgPanel* d) {
        EXPECT_EQ(d->m_comboPortMode->currentIndex(), -1);
        EXPECT_FALSE(d->m_btnOk->isEnabled());
        Click(d->m_btnOk);
        if (d->isVisible())
            Click(d->m_btnCancel);
    });
    dlg.MenuAction(32783)->trigger();
    EXPECT_EQ(dlg.m_nModel, 1);
    EXPECT_EQ(dlg.m_nPortMode, 7);
    EXPECT_EQ(ReadSettings(), settings);
}

TEST_F(MainWindowTest, AnAddedKeyActionBecomesTheSelectedActionListRow) {
    CravloDlg& dlg = Start();
    dlg.m_keys[9].SetKeyAction(8, 0, 0);
    dlg.m_listAction->AddKeyItems(9); // a row of another key, Key10
    OnModalOf<CDlgKeyNormal>([&](CDlgKeyNormal* d) {
        ChooseEntry(d->m_comboType, QString("Release"));
        Click(d->m_btnOk);
    });
    ClickKey(dlg.m_keys[1]);

    CQvmView2ListCtrl& list = *dlg.m_listAction;
    ASSERT_EQ(list.GetItemCount(), 2);
    // Sorted by key number: Key2 before Key10.
    EXPECT_EQ(list.GetItemText(0, 0), "Key2");
    EXPECT_EQ(list.GetItemText(0, 1), "Release");
    EXPECT_EQ(list.GetItemText(1, 0), "Key10");
    EXPECT_EQ(list.GetFirstSelectedItem(), 0);
    EXPECT_FALSE(list.IsItemSelected(1));
    EXPECT_EQ(dlg.m_listEvent->GetItemCount(), 0); // only the placeholder so far
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(MainWindowTest, ChangingThePortModeEmptiesBothLists) {
    CravloDlg& dlg = Start();
    OnModalOf<CDlgKeyNormal>([&](CDlgKeyNormal* d) { Click(d->m_btnOk); });
    ClickKey(dlg.m_keys[0]);
    ASSERT_EQ(dlg.m_listAction->GetItemCount(), 1);
    m_prompter.QueueAnswer(prompt::Answer::Yes);
    ChooseEntry(qobject_cast<QComboBox*>(dlg.Control(1146)), 1);
    EXPECT_EQ(dlg.m_listAction->GetItemCount(), 0);
    EXPECT_EQ(dlg.m_listEvent->GetItemCount(), 0);
}
