#include "controls/cqvmkeynameedit.h"
#include "editors/cdlgkeynormal.h"
#include "support/comboinput.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <limits>

namespace {

void Choose(QComboBox* combo, const QString& text) {
    EXPECT_TRUE(ChooseEntry(combo, text)) << text.toStdString();
}

QWidget* Control(QWidget& dialog, const char* id) {
    QWidget* w = dialog.findChild<QWidget*>(id);
    EXPECT_NE(w, nullptr) << id;
    return w;
}

class KeyNormalTest : public ::testing::Test {
protected:
    KeyRecord m_key;
};

} // namespace

TEST_F(KeyNormalTest, OpensWithItsListsAndRaisesLedLevelZeroToOne) {
    m_key.m_strName = "1";
    CDlgKeyNormal dlg(0, m_key, 0);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QString("Add key action"));
    EXPECT_EQ(ComboEntries(dlg.m_comboType), (QStringList{"Press", "Release", "Page", "Toggle"}));
    EXPECT_EQ(dlg.m_comboType->currentText(), QString("Press"));
    EXPECT_EQ(ComboEntries(dlg.m_comboLed),
              (QStringList{"--", "Level 1", "Level 2", "Level 3", "Level 4", "Level 5", "Level 6", "Level 7",
                           "Level 8", "Level 9"}));
    EXPECT_EQ(dlg.m_comboLed->currentText(), QString("Level 1"));
    EXPECT_EQ(dlg.m_comboGroup->currentText(), QString("--"));
    EXPECT_EQ(dlg.m_editName->text(), QString("1"));
    EXPECT_EQ(dlg.m_editRepeat->text(), QString("0.0S"));
    EXPECT_EQ(dlg.m_sliderRepeat->maximum(), 99);
    EXPECT_EQ(ComboEntries(dlg.m_comboPageNum), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(ComboEntries(dlg.m_comboToggleClass), (QStringList{"2", "3", "4"}));
    EXPECT_EQ(ComboEntries(dlg.m_comboToggleNum), (QStringList{"1", "2"}));
    EXPECT_EQ(dlg.m_btnSet->text(), QString("Set"));
    EXPECT_EQ(dlg.m_btnOk->text(), QString("Add"));
    // Press shows the repeat group only; list 1037 never shows.
    for (const char* id : {"1031", "1194", "1195"})
        EXPECT_TRUE(Control(dlg, id)->isVisible()) << id;
    for (const char* id : {"1027", "1028", "1032", "1033", "1029", "1030", "1034", "1035", "1037", "1036"})
        EXPECT_FALSE(Control(dlg, id)->isVisible()) << id;

    QTest::mouseClick(dlg.m_btnCancel, Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(m_key.m_nLedLevel, 1);
}

TEST_F(KeyNormalTest, GroupsByDeviceModel) {
    const std::pair<int, int> lastGroup[] = {{0, 8}, {1, 19}, {2, 19}, {3, 0}};
    for (auto [model, groups] : lastGroup) {
        CDlgKeyNormal dlg(0, m_key, model);
        dlg.show();
        EXPECT_EQ(dlg.m_comboGroup->count(), groups + 1) << model;
        EXPECT_EQ(dlg.m_comboGroup->itemText(0), QString("--"));
        if (groups) {
            EXPECT_EQ(dlg.m_comboGroup->itemText(groups), QString("Group %1").arg(groups)) << model;
        }
    }
}

TEST_F(KeyNormalTest, PressWithRepeatDelayAndKeySettings) {
    m_key.m_nLedLevel = 5;
    m_key.m_nGroup = 3;
    m_key.m_strName = "K1";
    CDlgKeyNormal dlg(4, m_key, 0);
    dlg.show();
    EXPECT_EQ(dlg.m_comboLed->currentText(), QString("Level 5"));
    EXPECT_EQ(dlg.m_comboGroup->currentText(), QString("Group 3"));
    dlg.m_sliderRepeat->setFocus();
    for (int i = 0; i < 15; ++i)
        QTest::keyClick(dlg.m_sliderRepeat, Qt::Key_Right);
    EXPECT_EQ(dlg.m_editRepeat->text(), QString("1.5S"));
    Choose(dlg.m_comboGroup, "Group 8");
    Choose(dlg.m_comboLed, "Level 9");
    dlg.m_editName->selectAll();
    QTest::keyClicks(dlg.m_editName, "AB ");
    QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nKey, 4);
    EXPECT_EQ(dlg.m_nKind, 1);
    EXPECT_EQ(dlg.m_nParamA, 0);
    EXPECT_EQ(dlg.m_nParamB, 0);
    EXPECT_EQ(dlg.m_nRepeatDelay, 15);
    EXPECT_EQ(dlg.m_nLedLevel, 9);
    EXPECT_EQ(dlg.m_nGroup, 8);
    // Add hands the name back as typed; the dialog leaves the key alone.
    EXPECT_EQ(dlg.m_strName, "AB ");
    EXPECT_EQ(m_key.m_strName, "K1");
    EXPECT_EQ(m_key.m_nLedLevel, 5);
}

TEST_F(KeyNormalTest, EachTypeGivesItsKeyAction) {
    struct Case {
        const char* type;
        const char* first;  // page class or toggle class
        const char* second; // page or toggle number
        int kind, a, b, slot;
        std::vector<const char*> visible;
    };
    const std::vector<Case> cases = {
        {"Press", nullptr, nullptr, 1, 0, 0, 0, {"1194"}},
        {"Release", nullptr, nullptr, 1, 1, 0, 1, {}},
        {"Page", "1", "4", 2, 0, 3, 6, {"1032", "1033"}},
        {"Page", "1", "2", 2, 0, 1, 4, {"1032", "1033"}},
        {"Toggle", "2", "2", 3, 1, 1, 20, {"1034", "1035"}},
        {"Toggle", "4", "4", 3, 3, 3, 22, {"1034", "1035"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + (c.first ? c.first : "") + (c.second ? c.second : ""));
        CDlgKeyNormal dlg(0, m_key, 0);
        dlg.show();
        Choose(dlg.m_comboType, c.type);
        if (c.first && std::string(c.type) == "Page") {
            Choose(dlg.m_comboPageClass, c.first);
            Choose(dlg.m_comboPageNum, c.second);
        } else if (c.first) {
            Choose(dlg.m_comboToggleClass, c.first);
            Choose(dlg.m_comboToggleNum, c.second);
        }
        for (const char* id : {"1194", "1032", "1033", "1034", "1035"}) {
            const bool expected = std::find_if(c.visible.begin(), c.visible.end(), [&](const char* v) {
                                      return std::string(v) == id;
                                  }) != c.visible.end();
            EXPECT_EQ(Control(dlg, id)->isVisible(), expected) << id;
        }
        QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
        EXPECT_EQ(dlg.m_nKind, c.kind);
        EXPECT_EQ(dlg.m_nParamA, c.a);
        EXPECT_EQ(dlg.m_nParamB, c.b);
        EXPECT_EQ(KeyRecord::GetKeyActionSlot(dlg.m_nKind, dlg.m_nParamA, dlg.m_nParamB), c.slot);
    }
}

TEST_F(KeyNormalTest, ToggleClassRebuildsTheNumberList) {
    CDlgKeyNormal dlg(0, m_key, 0);
    dlg.show();
    Choose(dlg.m_comboType, "Toggle");
    Choose(dlg.m_comboToggleNum, "2");
    Choose(dlg.m_comboToggleClass, "3");
    EXPECT_EQ(ComboEntries(dlg.m_comboToggleNum), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(dlg.m_comboToggleNum->currentText(), QString("1"));
    Choose(dlg.m_comboToggleClass, "4");
    EXPECT_EQ(ComboEntries(dlg.m_comboToggleNum), (QStringList{"1", "2", "3", "4"}));
}

TEST_F(KeyNormalTest, PresetsFromTheStoredKeyAction) {
    struct Case {
        int kind, a, b;
        int type; // -1: no entry shown
        const char* shownGroup;
        QString first, second;
    };
    const std::vector<Case> cases = {
        {0, 0, 0, 0, "1194", {}, {}},   {1, 1, 0, 1, nullptr, {}, {}},  {1, 2, 0, -1, "1194", {}, {}},
        {2, 0, 2, 2, "1033", "1", "3"}, {2, 1, 1, 2, "1033", "", "2"}, // a page class the list does not offer
        {3, 2, 1, 3, "1035", "3", "2"}, {3, 0, 0, 3, "1035", "2", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << "," << c.a << "," << c.b);
        KeyRecord key;
        key.m_nKind = c.kind;
        key.m_nParamA = c.a;
        key.m_nParamB = c.b;
        CDlgKeyNormal dlg(0, key, 0);
        dlg.show();
        EXPECT_EQ(dlg.m_comboType->currentIndex(), c.type);
        for (const char* id : {"1194", "1033", "1035"})
            EXPECT_EQ(Control(dlg, id)->isVisible(), c.shownGroup && std::string(c.shownGroup) == id) << id;
        if (c.kind == 2) {
            EXPECT_EQ(dlg.m_comboPageClass->currentText(), c.first);
            EXPECT_EQ(dlg.m_comboPageNum->currentText(), c.second);
        } else if (c.kind == 3) {
            EXPECT_EQ(dlg.m_comboToggleClass->currentText(), c.first);
            EXPECT_EQ(dlg.m_comboToggleNum->currentText(), c.second);
            EXPECT_EQ(dlg.m_comboToggleNum->count(), c.first.toInt());
        }
    }
    // A toggle class of a damaged project file selects no class.
    KeyRecord damaged;
    damaged.m_nKind = 3;
    damaged.m_nParamA = std::numeric_limits<int>::min();
    CDlgKeyNormal dlg(0, damaged, 0);
    dlg.show();
    EXPECT_EQ(dlg.m_comboToggleClass->currentIndex(), -1);
}

TEST_F(KeyNormalTest, StoredLongGivesNoKindAndStoredPageClassNoParameter) {
    m_key.m_nKind = 1;
    m_key.m_nParamA = 2;
    CDlgKeyNormal dlg(0, m_key, 0);
    dlg.show();
    QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
    EXPECT_EQ(dlg.m_nKind, -1);
    EXPECT_EQ(KeyRecord::GetKeyActionSlot(dlg.m_nKind, dlg.m_nParamA, dlg.m_nParamB), -1);

    KeyRecord page;
    page.m_nKind = 2;
    page.m_nParamA = 1;
    CDlgKeyNormal pageDlg(0, page, 0);
    pageDlg.show();
    QTest::mouseClick(pageDlg.m_btnOk, Qt::LeftButton);
    EXPECT_EQ(pageDlg.m_nKind, 2);
    EXPECT_EQ(pageDlg.m_nParamA, -1);
    EXPECT_EQ(KeyRecord::GetKeyActionSlot(pageDlg.m_nKind, pageDlg.m_nParamA, pageDlg.m_nParamB), -1);
}

TEST_F(KeyNormalTest, SetWritesLedGroupAndTrimmedNameAndCancels) {
    m_key.m_nRepeatDelay = 7;
    CDlgKeyNormal dlg(0, m_key, 1);
    dlg.show();
    Choose(dlg.m_comboLed, "--");
    Choose(dlg.m_comboGroup, "Group 19");
    dlg.m_editName->clear();
    QTest::keyClicks(dlg.m_editName, " A-B ");
    EXPECT_EQ(dlg.m_editName->text(), QString(" AB "));
    QTest::mouseClick(dlg.m_btnSet, Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(m_key.m_nLedLevel, 0);
    EXPECT_EQ(m_key.m_nGroup, 19);
    EXPECT_EQ(m_key.m_strName, "AB");
    EXPECT_EQ(m_key.m_nRepeatDelay, 7);
    EXPECT_EQ(m_key.m_nKind, 0);
}

TEST_F(KeyNormalTest, NameTakesFourCharactersAndReturnEscapeDoNothing) {
    CDlgKeyNormal dlg(0, m_key, 0);
    dlg.show();
    dlg.m_editName->clear();
    dlg.m_editName->setFocus();
    QTest::keyClicks(dlg.m_editName, "ABCDE");
    EXPECT_EQ(dlg.m_editName->text(), QString("ABCD"));
    QTest::keyClick(dlg.m_editName, Qt::Key_Return);
    QTest::keyClick(dlg.m_editName, Qt::Key_Escape);
    QTest::keyClick(dlg.m_btnOk, Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), 0);
}

TEST_F(KeyNormalTest, LongerStoredNameShowsWholeAndOnlyTypingIsLimited) {
    m_key.m_strName = "Projector";
    CDlgKeyNormal dlg(0, m_key, 0);
    dlg.show();
    EXPECT_EQ(dlg.m_editName->text(), QString("Projector"));
    dlg.m_editName->setFocus();
    dlg.m_editName->end(false);
    QTest::keyClicks(dlg.m_editName, "X");
    EXPECT_EQ(dlg.m_editName->text(), QString("Projector"));
    QTest::keyClick(dlg.m_editName, Qt::Key_Backspace);
    EXPECT_EQ(dlg.m_editName->text(), QString("Projecto"));
    // Pasted text is cut to the room left under the limit.
    dlg.m_editName->setText(QStringLiteral("AB"));
    dlg.m_editName->end(false);
    QApplication::clipboard()->setText(QStringLiteral("WXYZ"));
    QTest::keySequence(dlg.m_editName, QKeySequence::Paste);
    EXPECT_EQ(dlg.m_editName->text(), QString("ABWX"));
    dlg.m_editName->setText(QStringLiteral("Projector"));
    QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
    EXPECT_EQ(dlg.m_strName, "Projector");
}
