#include "controls/cqvmkeynameedit.h"
#include "editors/cdlgkeyvirt.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

TEST(KeyVirt, ShowsTheNoteAndTheKeyName) {
    KeyRecord key;
    key.m_strName = "12";
    CDlgKeyVirt dlg(11, key);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QString("AddKey"));
    EXPECT_EQ(dlg.findChild<QGroupBox*>()->title(), QString("Virtual Key"));
    EXPECT_EQ(dlg.m_staticNote->text(),
              QString("Virtual key is custom, \ngenerally controlled by another looped DV.\n"
                      "Press \"Add\" to add this key to action list."));
    EXPECT_EQ(dlg.findChild<QPushButton*>("1092")->text(), QString(" Set"));
    EXPECT_EQ(dlg.findChild<QPushButton*>("1")->text(), QString("Add"));
    EXPECT_EQ(dlg.findChild<QPushButton*>("2")->text(), QString("Cancel"));
    EXPECT_EQ(dlg.m_editName->text(), QString("12"));
    EXPECT_EQ(dlg.m_nKey, 11);
}

TEST(KeyVirt, AddHandsBackTheNameAsTyped) {
    KeyRecord key;
    key.m_strName = "12";
    CDlgKeyVirt dlg(11, key);
    dlg.show();
    dlg.m_editName->clear();
    QTest::keyClicks(dlg.m_editName, "Proj-ector ");
    QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    // No length limit here; '-' is not a key name character.
    EXPECT_EQ(dlg.m_strName, "Projector ");
    EXPECT_EQ(key.m_strName, "12");
}

TEST(KeyVirt, SetWritesTheTrimmedNameAndCancels) {
    KeyRecord key;
    CDlgKeyVirt dlg(20, key);
    dlg.show();
    QTest::keyClicks(dlg.m_editName, " AB ");
    dlg.m_editName->setFocus();
    QTest::keyClick(dlg.m_editName, Qt::Key_Return);
    QTest::keyClick(dlg.m_editName, Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());
    QTest::mouseClick(dlg.m_btnSet, Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(key.m_strName, "AB");
    EXPECT_EQ(key.m_nKind, 0);
}
