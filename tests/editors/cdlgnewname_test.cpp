#include "editors/cdlgnewname.h"
#include "platform/programpaths.h"
#include "support/filecontent.h"
#include "support/screenshot.h"
#include "support/scripted_prompter.h"
#include "support/tempxdgfolders.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

class NewName : public ::testing::Test {
protected:
    void SetUp() override { paths::SetProgramFolder(m_xdg.Root()); }
    void TearDown() override { paths::SetProgramFolder({}); }

    // Types the text into a fresh prompt of that mode and presses OK.
    void Enter(CDlgNewName& dlg, const QString& text) {
        dlg.m_editName->setText(text);
        QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
    }
    static bool Accepted(const CDlgNewName& dlg) {
        return dlg.m_bAccepted && dlg.result() == QDialog::Accepted && !dlg.isVisible();
    }

    TempXdgFolders m_xdg;
    ScriptedPrompter m_prompter;
};

} // namespace

TEST_F(NewName, ShowsTheNamePrompt) {
    CDlgNewName dlg;
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QString("NewName"));
    EXPECT_EQ(dlg.findChild<QLineEdit*>("1071"), dlg.m_editName);
    EXPECT_EQ(dlg.findChild<QPushButton*>("1")->text(), QString("OK"));
    EXPECT_EQ(dlg.findChild<QPushButton*>("2")->text(), QString("Cancel"));
    EXPECT_FALSE(dlg.m_bAccepted);
    SaveScreenshot(dlg, "cdlgnewname.png");
}

TEST_F(NewName, AnEmptyNameIsRefusedWithTheModesMessage) {
    const char* expected[] = {"Please create a new lib name", "Please create a new function name",
                              "Please create a new lib name", "Please create a new function name"};
    for (int mode = 0; mode < 4; ++mode) {
        m_prompter.Clear();
        CDlgNewName dlg;
        dlg.m_nMode = mode;
        dlg.show();
        Enter(dlg, "   ");
        EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{expected[mode]}) << mode;
        EXPECT_FALSE(dlg.m_bAccepted);
        EXPECT_TRUE(dlg.isVisible()) << "the prompt stays open";
    }
}

TEST_F(NewName, ALibraryNameIsTakenWhenItsFileOfThatKindExists) {
    ASSERT_TRUE(WriteFileBytes(GetLibraryPath() + "/TV.irr", "x"));
    ASSERT_TRUE(WriteFileBytes(GetLibraryPath() + "/Amp.rss", "x"));

    CDlgNewName ir;
    ir.m_nMode = CDlgNewName::kModeIrLib;
    ir.show();
    Enter(ir, " TV ");
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"the name is aready exsit in the Library"});
    EXPECT_FALSE(ir.m_bAccepted);
    EXPECT_EQ(ir.m_strName, "");
    EXPECT_TRUE(ir.isVisible());
    // An RS232 library of the same name does not take an IR library's name.
    Enter(ir, " Amp ");
    EXPECT_TRUE(Accepted(ir));
    EXPECT_EQ(ir.m_strName, "Amp");

    m_prompter.Clear();
    CDlgNewName rs;
    rs.m_nMode = CDlgNewName::kModeRs232Lib;
    rs.show();
    Enter(rs, "Amp");
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"the name is aready exsit in the Library"});
    EXPECT_TRUE(rs.isVisible());
    Enter(rs, "TV");
    EXPECT_TRUE(Accepted(rs));
    EXPECT_EQ(rs.m_strName, "TV");
}

TEST_F(NewName, ALibraryNameMustBeAPlainFileName) {
    CDlgNewName dlg;
    dlg.m_nMode = CDlgNewName::kModeIrLib;
    dlg.show();
    for (const char* name : {"../outside", "sub/tv", "a\\b", "tv?"}) {
        m_prompter.Clear();
        Enter(dlg, name);
        EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"The name can not be used as a file name"})
            << name;
        EXPECT_FALSE(dlg.m_bAccepted);
        EXPECT_TRUE(dlg.isVisible());
    }
    // A function name is no file name: anything goes there.
    m_prompter.Clear();
    CDlgNewName fn;
    fn.m_nMode = CDlgNewName::kModeIrFunction;
    fn.show();
    // ... but a colon would cut the name in two when its line is read back.
    Enter(fn, "In:HDMI");
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"The name can not contain ':'"});
    EXPECT_FALSE(fn.m_bAccepted);
    EXPECT_TRUE(fn.isVisible());
    m_prompter.Clear();
    Enter(fn, "Vol+/Vol-");
    EXPECT_TRUE(Accepted(fn));
    EXPECT_EQ(fn.m_strName, "Vol+/Vol-");
    EXPECT_TRUE(m_prompter.Texts().empty());

    CDlgNewName rs;
    rs.m_nMode = CDlgNewName::kModeRs232Function;
    rs.show();
    Enter(rs, "a:b");
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"The name can not contain ':'"});
}

TEST_F(NewName, AFunctionNameIsTakenByAnEqualEntryLetterCaseIncluded) {
    CDlgNewName ir;
    ir.m_nMode = CDlgNewName::kModeIrFunction;
    ir.m_existingNames = {"Power", " Mute "};
    ir.show();
    Enter(ir, "Mute");
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"The Function name is already exist"});
    EXPECT_FALSE(ir.m_bAccepted);
    EXPECT_TRUE(ir.isVisible());
    Enter(ir, "power");
    EXPECT_TRUE(Accepted(ir));
    EXPECT_EQ(ir.m_strName, "power");

    // The RS232 function box's entries are compared as they stand.
    m_prompter.Clear();
    CDlgNewName rs;
    rs.m_nMode = CDlgNewName::kModeRs232Function;
    rs.m_existingNames = {"On", " Off"};
    rs.show();
    Enter(rs, "On");
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"The Function name is already exist"});
    Enter(rs, "Off");
    EXPECT_TRUE(Accepted(rs));
}

TEST_F(NewName, ReturnIsOkAndEscapeIsCancel) {
    CDlgNewName ok;
    ok.m_nMode = CDlgNewName::kModeIrFunction;
    ok.show();
    QTest::keyClicks(ok.m_editName, "Input 2");
    QTest::keyClick(ok.m_editName, Qt::Key_Return);
    EXPECT_TRUE(Accepted(ok));
    EXPECT_EQ(ok.m_strName, "Input 2");

    CDlgNewName cancel;
    cancel.m_nMode = CDlgNewName::kModeIrFunction;
    cancel.show();
    QTest::keyClicks(cancel.m_editName, "Input 3");
    QTest::keyClick(cancel.m_editName, Qt::Key_Escape);
    EXPECT_FALSE(cancel.isVisible());
    EXPECT_EQ(cancel.result(), QDialog::Rejected);
    EXPECT_FALSE(cancel.m_bAccepted);
}
