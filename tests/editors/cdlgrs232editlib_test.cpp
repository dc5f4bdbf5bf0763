#include "controls/crs232edit.h"
#include "editors/cdlgnewname.h"
#include "editors/cdlgrs232editlib.h"
#include "libraryfilebytes.h"
#include "platform/programpaths.h"
#include "support/comboinput.h"
#include "support/filecontent.h"
#include "support/modalwait.h"
#include "support/screenshot.h"
#include "support/scripted_prompter.h"
#include "support/tempxdgfolders.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Strings = std::vector<std::string>;

class Rs232EditLib : public ::testing::Test {
protected:
    void SetUp() override { paths::SetProgramFolder(m_xdg.Root()); }
    void TearDown() override {
        m_dlg.reset();
        paths::SetProgramFolder({});
    }

    QString LibFile(const QString& name) const { return GetLibraryPath() + "/" + name; }
    void WriteLib(const QString& name, const std::string& bytes) {
        ASSERT_TRUE(WriteFileBytes(LibFile(name), bytes));
    }

    CDlgRs232EditLib& Open(const std::string& library = {}, const std::string& function = {}) {
        m_dlg = std::make_unique<CDlgRs232EditLib>(nullptr, library, function);
        m_dlg->show();
        return *m_dlg;
    }

    // Answers the next name prompt with `name` and OK.
    static void AnswerName(const QString& name) {
        OnModalOf<CDlgNewName>([name](CDlgNewName* prompt) {
            prompt->m_editName->setText(name);
            QTest::mouseClick(prompt->m_btnOk, Qt::LeftButton);
        });
    }
    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static QString Data(const CDlgRs232EditLib& dlg) { return dlg.m_editData->text(); }
    static bool EndCharShown(const CDlgRs232EditLib& dlg) {
        return dlg.m_staticEndChar->isVisible() && dlg.m_radioEndNone->isVisible() &&
               dlg.m_radioEndCr->isVisible() && dlg.m_radioEndCrLf->isVisible();
    }
    static bool EndCharHidden(const CDlgRs232EditLib& dlg) {
        return !dlg.m_staticEndChar->isVisible() && !dlg.m_radioEndNone->isVisible() &&
               !dlg.m_radioEndCr->isVisible() && !dlg.m_radioEndCrLf->isVisible();
    }

    TempXdgFolders m_xdg;
    ScriptedPrompter m_prompter;
    std::unique_ptr<CDlgRs232EditLib> m_dlg;
};

const std::string kPwr = Rs232Record("PWR", "9600", "8", "1", "NONE", 0, 1, 5, "PWON\x0d");

} // namespace

TEST_F(Rs232EditLib, OpensEmptyWithTheStartValues) {
    CDlgRs232EditLib& dlg = Open();
    EXPECT_EQ(dlg.windowTitle(), QString("Edit Rs232Lib"));
    EXPECT_EQ(ComboEntries(dlg.m_comboBaud),
              (QStringList{"2400", "4800", "9600", "14400", "19200", "38400", "57600", "115200"}));
    EXPECT_EQ(dlg.m_comboBaud->currentText(), QString("9600"));
    EXPECT_EQ(dlg.m_comboDataBit->currentText(), QString("8"));
    EXPECT_EQ(ComboEntries(dlg.m_comboStopBit), (QStringList{"1", "1.5", "2"}));
    EXPECT_EQ(dlg.m_comboStopBit->currentText(), QString("1"));
    EXPECT_EQ(ComboEntries(dlg.m_comboParity), (QStringList{"NONE", "ODD", "EVEN"}));
    EXPECT_EQ(dlg.m_comboParity->currentText(), QString("NONE"));
    EXPECT_TRUE(dlg.m_radioAscii->isChecked());
    EXPECT_TRUE(dlg.m_radioEndNone->isChecked());
    EXPECT_TRUE(EndCharShown(dlg));
    EXPECT_EQ(dlg.m_editLibName->text(), QString());
    EXPECT_TRUE(dlg.m_editLibName->isReadOnly());
    EXPECT_EQ(dlg.m_comboFunction->count(), 0);
    EXPECT_FALSE(dlg.m_editData->m_bHexMode);
    for (const char* id : {"1025", "1026", "1027", "1076", "1088", "1086", "1087", "1", "2"})
        EXPECT_NE(dlg.findChild<QPushButton*>(id), nullptr) << id;
    EXPECT_EQ(dlg.m_radioEndCr->text(), QString("Carriage return"));
    EXPECT_EQ(dlg.m_radioEndCrLf->text(), QString("Enter"));
    EXPECT_EQ(dlg.m_staticEndChar->title(), QString("End Char For ASCII Format"));

    // Neither Return nor Escape ends the editor.
    QTest::keyClick(dlg.m_editData, Qt::Key_Return);
    QTest::keyClick(dlg.m_editData, Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(m_prompter.Texts().empty());
    SaveScreenshot(dlg, "cdlgrs232editlib.png");
}

TEST_F(Rs232EditLib, TheDataEditLimitsTypingOnlyToNinetySixCharacters) {
    // 33 bytes 00 to 20 in hex: 33 pairs and 32 blanks, 98 characters.
    std::string bytes;
    QString pairs;
    for (int i = 0; i < 33; ++i) {
        bytes += char(i);
        pairs += QString(i ? " %1" : "%1").arg(i, 2, 16, QChar('0'));
    }
    WriteLib("Full.rss",
             Rs232Library("Full", 1, Rs232Record("all", "9600", "8", "1", "NONE", 1, 0, 33, bytes)));
    CDlgRs232EditLib& dlg = Open("Full", "all");
    EXPECT_EQ(Data(dlg), pairs) << "a function read from its file shows whole";
    QTest::keyClicks(dlg.m_editData, "1");
    EXPECT_EQ(Data(dlg), pairs) << "no room to type";

    Click(dlg.m_btnClear);
    QTest::keyClicks(dlg.m_editData, QString(100, QChar('a')));
    EXPECT_EQ(Data(dlg), QString(96, QChar('a')));
}

TEST_F(Rs232EditLib, NewLibraryAndFunctionSaveTheExactFileAndShowAgain) {
    CDlgRs232EditLib& dlg = Open();
    AnswerName("TV");
    Click(dlg.m_btnNewLib);
    EXPECT_EQ(dlg.m_editLibName->text(), QString("TV"));
    EXPECT_FALSE(QFile::exists(LibFile("TV.rss"))) << "New Lib writes nothing";

    AnswerName("PWR");
    Click(dlg.m_btnNewFunction);
    EXPECT_EQ(ComboEntries(dlg.m_comboFunction), QStringList{"PWR"});
    EXPECT_EQ(dlg.m_rsLib.m_nCount, 1);
    QTest::keyClicks(dlg.m_editData, "  PWON ");
    Click(dlg.m_radioEndCr);
    Click(dlg.m_btnSaveEdit);
    EXPECT_TRUE(m_prompter.Texts().empty()) << m_prompter.Texts()[0];
    EXPECT_EQ(ReadFileBytes(LibFile("TV.rss")), Rs232Library("TV", 1, kPwr));

    CDlgRs232EditLib& again = Open("TV", "PWR");
    EXPECT_EQ(again.m_editLibName->text(), QString("TV"));
    EXPECT_EQ(again.m_comboFunction->currentText(), QString("PWR"));
    EXPECT_EQ(Data(again), QString("PWON"));
    EXPECT_TRUE(again.m_radioAscii->isChecked());
    EXPECT_TRUE(again.m_radioEndCr->isChecked());
}

TEST_F(Rs232EditLib, AFunctionOfEachFormatShowsWithItsSettings) {
    WriteLib("Proj.rss", Rs232Library("Proj", 3,
                                      Rs232Record("on", "19200", "7", "2", "EVEN", 0, 2, 4, "AB\x0d\x0a") +
                                          Rs232Record("hexed", "4800", "8", "1", "ODD", 1, 0, 2, "\x0a\xff") +
                                          Rs232Record("b", "9600", "8", "1.5", "NONE", 0, 0, 1, "b")));
    CDlgRs232EditLib& dlg = Open(" Proj ", "hexed");
    EXPECT_EQ(ComboEntries(dlg.m_comboFunction), (QStringList{"b", "hexed", "on"}));
    EXPECT_EQ(dlg.m_comboFunction->currentText(), QString("hexed"));
    EXPECT_EQ(Data(dlg), QString("0a ff"));
    EXPECT_TRUE(dlg.m_radioHex->isChecked());
    EXPECT_TRUE(EndCharHidden(dlg));
    EXPECT_TRUE(dlg.m_editData->m_bHexMode);
    EXPECT_EQ(dlg.m_comboBaud->currentText(), QString("4800"));
    EXPECT_EQ(dlg.m_comboParity->currentText(), QString("ODD"));
    EXPECT_EQ(dlg.m_comboStopBit->currentText(), QString("1"));

    ChooseEntry(dlg.m_comboFunction, QString("on"));
    EXPECT_EQ(Data(dlg), QString("AB"));
    EXPECT_TRUE(dlg.m_radioAscii->isChecked());
    EXPECT_TRUE(dlg.m_radioEndCrLf->isChecked());
    EXPECT_TRUE(EndCharShown(dlg));
    EXPECT_FALSE(dlg.m_editData->m_bHexMode) << "the typing filter follows the format shown";
    EXPECT_EQ(dlg.m_comboBaud->currentText(), QString("19200"));
    EXPECT_EQ(dlg.m_comboDataBit->currentText(), QString("7"));
    EXPECT_EQ(dlg.m_comboStopBit->currentText(), QString("2"));
    EXPECT_EQ(dlg.m_comboParity->currentText(), QString("EVEN"));

    ChooseEntry(dlg.m_comboFunction, QString("b"));
    EXPECT_EQ(dlg.m_comboStopBit->currentText(), QString("1.5"));
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(Rs232EditLib, WithoutAFunctionNameTheFirstInSortedOrderShows) {
    WriteLib("L.rss", Rs232Library("L", 2,
                                   Rs232Record("b", "9600", "8", "1", "NONE", 0, 0, 1, "B") +
                                       Rs232Record("a", "2400", "8", "1", "NONE", 0, 0, 1, "A")));
    CDlgRs232EditLib& dlg = Open("L", "");
    EXPECT_EQ(ComboEntries(dlg.m_comboFunction), (QStringList{"a", "b"}));
    EXPECT_EQ(dlg.m_comboFunction->currentText(), QString("a"));
    EXPECT_EQ(Data(dlg), QString("A"));
    EXPECT_EQ(dlg.m_comboBaud->currentText(), QString("2400"));

    // A function name the library lacks: the first entry, and its data.
    CDlgRs232EditLib& other = Open("L", "zz");
    EXPECT_EQ(other.m_comboFunction->currentText(), QString("a"));
    EXPECT_EQ(Data(other), QString("A"));
}

TEST_F(Rs232EditLib, FormatRadiosConvertAndFilter) {
    struct Case {
        QAbstractButton* (*end)(CDlgRs232EditLib&);
        const char* hex;
    };
    const Case cases[] = {
        {[](CDlgRs232EditLib& d) -> QAbstractButton* { return d.m_radioEndNone; }, "41 42"},
        {[](CDlgRs232EditLib& d) -> QAbstractButton* { return d.m_radioEndCr; }, "41 42 0d"},
        {[](CDlgRs232EditLib& d) -> QAbstractButton* { return d.m_radioEndCrLf; }, "41 42 0d 0a"},
    };
    for (const Case& c : cases) {
        CDlgRs232EditLib& dlg = Open();
        QTest::keyClicks(dlg.m_editData, "AB");
        Click(c.end(dlg));
        Click(dlg.m_radioHex);
        EXPECT_EQ(Data(dlg), QString(c.hex));
        EXPECT_TRUE(EndCharHidden(dlg));
        EXPECT_EQ(dlg.m_nFormat, 1);
        // Hex again converts nothing; the filter refuses what is no hex.
        Click(dlg.m_radioHex);
        EXPECT_EQ(Data(dlg), QString(c.hex));
        QTest::keyClicks(dlg.m_editData, " G,f");
        EXPECT_EQ(Data(dlg), QString(c.hex) + " f");
        // Back to ASCII: the hex is not turned back into text.
        Click(dlg.m_radioAscii);
        EXPECT_EQ(Data(dlg), QString());
        EXPECT_TRUE(EndCharShown(dlg));
        EXPECT_FALSE(dlg.m_editData->m_bHexMode);
    }

    // A double-byte character's bytes become their own pairs.
    CDlgRs232EditLib& dlg = Open();
    dlg.m_editData->setText(QString::fromUtf8("\xe4\xb8\xad")); // code page 936: d6 d0
    Click(dlg.m_radioHex);
    EXPECT_EQ(Data(dlg), QString("d6 d0"));
}

TEST_F(Rs232EditLib, AsciiClickedOnAListedAsciiFunctionShowsItAgain) {
    WriteLib("L.rss", Rs232Library("L", 1, kPwr));
    CDlgRs232EditLib& dlg = Open("L", "PWR");
    Click(dlg.m_radioHex);
    EXPECT_EQ(Data(dlg), QString("50 57 4f 4e 0d"));
    Click(dlg.m_radioAscii);
    EXPECT_EQ(Data(dlg), QString("PWON"));
    EXPECT_TRUE(dlg.m_radioEndCr->isChecked());
}

TEST_F(Rs232EditLib, HexDataIsSavedAsBytes) {
    // How tokens become bytes is the data rule's own test; here the saved
    // function takes them, and its end character adds nothing.
    WriteLib("L.rss", Rs232Library("L", 1, kPwr));
    CDlgRs232EditLib& dlg = Open("L", "PWR");
    Click(dlg.m_radioHex);
    Click(dlg.m_btnClear);
    EXPECT_EQ(Data(dlg), QString());
    QTest::keyClicks(dlg.m_editData, "123 45");
    Click(dlg.m_btnSaveEdit);
    EXPECT_EQ(ReadFileBytes(LibFile("L.rss")),
              Rs232Library("L", 1, Rs232Record("PWR", "9600", "8", "1", "NONE", 1, 1, 2, "\x12\x45")));
    EXPECT_TRUE(m_prompter.Texts().empty());

    // 48 bytes typed: the device takes 32, and the user is told so.
    Click(dlg.m_btnClear);
    QTest::keyClicks(dlg.m_editData, QString("a ").repeated(47) + "a");
    Click(dlg.m_btnSaveEdit);
    EXPECT_EQ(m_prompter.Texts(), Strings{"The data is too long: only its first 32 bytes are kept"});
    EXPECT_EQ(ReadFileBytes(LibFile("L.rss")),
              Rs232Library("L", 1,
                           Rs232Record("PWR", "9600", "8", "1", "NONE", 1, 1, 32, std::string(32, '\x0a'))));
}

TEST_F(Rs232EditLib, SaveRewritesOnlyTheListedFunctionFromTheControls) {
    const std::string b = Rs232Record("b", "9600", "8", "1", "NONE", 0, 0, 1, "B");
    WriteLib("L.rss", Rs232Library("L", 2, kPwr + b));
    CDlgRs232EditLib& dlg = Open("L", "b");
    ChooseEntry(dlg.m_comboBaud, QString("115200"));
    ChooseEntry(dlg.m_comboDataBit, QString("7"));
    EXPECT_EQ(ComboEntries(dlg.m_comboParity), (QStringList{"ODD", "EVEN"}));
    EXPECT_EQ(dlg.m_comboParity->currentText(), QString("ODD"));
    ChooseEntry(dlg.m_comboStopBit, QString("2"));
    dlg.m_editData->setText(QString(40, 'x'));
    Click(dlg.m_radioEndCrLf);
    Click(dlg.m_btnSaveEdit);
    EXPECT_EQ(m_prompter.Texts(), Strings{"The data is too long: only its first 30 bytes are kept"});
    EXPECT_EQ(ReadFileBytes(LibFile("L.rss")),
              Rs232Library("L", 2,
                           kPwr + Rs232Record("b", "115200", "7", "2", "ODD", 0, 2, 32,
                                              std::string(30, 'x') + "\x0d\x0a")));

    ChooseEntry(dlg.m_comboDataBit, QString("8"));
    EXPECT_EQ(ComboEntries(dlg.m_comboParity), (QStringList{"NONE", "ODD", "EVEN"}));
    EXPECT_EQ(dlg.m_comboParity->currentText(), QString("NONE"));

    // The cut ends after the last whole double-byte character that fits
    // ("中" is D6 D0), even where a trail byte could pass for a lead byte.
    Click(dlg.m_radioEndNone);
    const struct {
        QString text;
        const char* message;
        std::string data;
    } cuts[] = {{QString(31, 'A') + QString::fromUtf8("中"),
                 "The data is too long: only its first 31 bytes are kept", std::string(31, 'A')},
                {QString(30, 'A') + QString::fromUtf8("中中"),
                 "The data is too long: only its first 32 bytes are kept",
                 std::string(30, 'A') + "\xD6\xD0"}};
    for (const auto& cut : cuts) {
        m_prompter.Clear();
        dlg.m_editData->setText(cut.text);
        Click(dlg.m_btnSaveEdit);
        EXPECT_EQ(m_prompter.Texts(), Strings{cut.message});
        EXPECT_EQ(ReadFileBytes(LibFile("L.rss")),
                  Rs232Library("L", 2,
                               kPwr + Rs232Record("b", "115200", "8", "2", "NONE", 0, 0,
                                                  char(cut.data.size()), cut.data)));
    }
}

TEST_F(Rs232EditLib, AFunctionStoredWithNoParityShowsItAfterSevenBitsWereChosen) {
    WriteLib("L.rss", Rs232Library("L", 2, Rs232Record("a", "9600", "7", "1", "EVEN", 0, 0, 1, "A") + kPwr));
    CDlgRs232EditLib& dlg = Open("L", "a");
    ChooseEntry(dlg.m_comboDataBit, QString("7"));
    ChooseEntry(dlg.m_comboFunction, QString("PWR"));
    EXPECT_EQ(dlg.m_comboDataBit->currentText(), QString("8"));
    EXPECT_EQ(dlg.m_comboParity->currentText(), QString("NONE"));
    // So saving it keeps its parity.
    Click(dlg.m_btnSaveEdit);
    EXPECT_EQ(ReadFileBytes(LibFile("L.rss")),
              Rs232Library("L", 2, Rs232Record("a", "9600", "7", "1", "EVEN", 0, 0, 1, "A") + kPwr));
}

TEST_F(Rs232EditLib, DeletingFunctionsStaysInMemoryUntilASave) {
    const std::string a = Rs232Record("a", "9600", "8", "1", "NONE", 0, 0, 1, "A");
    const std::string b = Rs232Record("b", "2400", "8", "1", "NONE", 0, 0, 1, "B");
    WriteLib("L.rss", Rs232Library("L", 2, a + b));
    CDlgRs232EditLib& dlg = Open("L", "a");
    Click(dlg.m_btnDeleteFunction);
    EXPECT_EQ(ComboEntries(dlg.m_comboFunction), QStringList{"b"});
    EXPECT_EQ(dlg.m_comboFunction->currentText(), QString("b"));
    EXPECT_EQ(Data(dlg), QString("B"));
    EXPECT_EQ(dlg.m_comboBaud->currentText(), QString("2400"));
    EXPECT_EQ(dlg.m_rsLib.m_nCount, 1);

    Click(dlg.m_btnDeleteFunction);
    EXPECT_EQ(dlg.m_comboFunction->count(), 0);
    EXPECT_EQ(dlg.m_rsLib.m_nCount, 0);
    Click(dlg.m_btnDeleteFunction); // nothing left: nothing happens
    EXPECT_EQ(dlg.m_rsLib.m_nCount, 0);
    Click(dlg.m_btnSaveEdit);
    EXPECT_EQ(m_prompter.Texts(), Strings{"Please Create a new function name"});
    EXPECT_EQ(ReadFileBytes(LibFile("L.rss")), Rs232Library("L", 2, a + b));
}

TEST_F(Rs232EditLib, SaveChecksComeInOrder) {
    CDlgRs232EditLib& dlg = Open();
    Click(dlg.m_btnSaveEdit);
    Click(dlg.m_btnSaveNameAs);
    EXPECT_EQ(m_prompter.Texts(), (Strings{"Please Create a new lib name", "Please Create a new lib name"}));
    EXPECT_TRUE(m_prompter.FileRequests().empty());

    // A name that is no code is found again by its bytes, and a save with
    // nothing changed writes the file as it was.
    const std::string odd =
        Rs232Library("Odd", 1, Rs232Record("\x81", "9600", "8", "1", "NONE", 0, 0, 1, "A"));
    WriteLib("Odd.rss", odd);
    m_prompter.Clear();
    Click(Open("Odd", "").m_btnSaveEdit);
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(ReadFileBytes(LibFile("Odd.rss")), odd);
}

TEST_F(Rs232EditLib, NewFunctionRefusesATakenNameAndTakesTheControls) {
    WriteLib("L.rss", Rs232Library("L", 1, kPwr));
    CDlgRs232EditLib& dlg = Open("L", "PWR");
    bool refused = false;
    OnModalOf<CDlgNewName>([&](CDlgNewName* prompt) {
        prompt->m_editName->setText("PWR");
        QTest::mouseClick(prompt->m_btnOk, Qt::LeftButton);
        refused = prompt->isVisible();
        QTest::mouseClick(prompt->m_btnCancel, Qt::LeftButton);
    });
    Click(dlg.m_btnNewFunction);
    EXPECT_TRUE(refused);
    EXPECT_EQ(m_prompter.Texts(), Strings{"The Function name is already exist"});
    EXPECT_EQ(dlg.m_rsLib.m_arrFunctions.size(), 1u);

    AnswerName("Alpha");
    Click(dlg.m_btnNewFunction);
    EXPECT_EQ(ComboEntries(dlg.m_comboFunction), (QStringList{"Alpha", "PWR"}));
    EXPECT_EQ(dlg.m_comboFunction->currentText(), QString("Alpha"));
    ASSERT_EQ(dlg.m_rsLib.m_arrFunctions.size(), 2u);
    const CRS232LibFun& added = dlg.m_rsLib.m_arrFunctions[1];
    EXPECT_EQ(added.m_strName, "Alpha");
    EXPECT_EQ(added.GetDataText(), "PWON"); // the controls' data of the function shown
    EXPECT_EQ(added.m_nEndChar, 1);
    EXPECT_EQ(added.m_nLength, 5);
}

TEST_F(Rs232EditLib, SaveNameAsKeepsTheStoredName) {
    WriteLib("L.rss", Rs232Library("L", 1, kPwr));
    CDlgRs232EditLib& dlg = Open("L", "PWR");
    dlg.m_editData->setText("OFF");
    m_prompter.QueueFile(LibFile("Copy.rss"));
    Click(dlg.m_btnSaveNameAs);
    ASSERT_EQ(m_prompter.FileRequests().size(), 1u);
    const prompt::FileRequest request = m_prompter.FileRequests()[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.folder, GetLibraryPath());
    EXPECT_EQ(request.defaultSuffix, QString("rss"));
    const std::string off = Rs232Record("PWR", "9600", "8", "1", "NONE", 0, 1, 4, "OFF\x0d");
    EXPECT_EQ(ReadFileBytes(LibFile("Copy.rss")), Rs232Library("L", 1, off));
    EXPECT_EQ(ReadFileBytes(LibFile("L.rss")), Rs232Library("L", 1, kPwr));

    // Opened from the copy, Save Edit writes the file of the stored name.
    m_prompter.QueueFile(LibFile("Copy.rss"));
    Click(dlg.m_btnOpenLib);
    EXPECT_EQ(dlg.m_editLibName->text(), QString("L"));
    EXPECT_EQ(Data(dlg), QString("OFF"));
    dlg.m_editData->setText("ON");
    Click(dlg.m_btnSaveEdit);
    EXPECT_EQ(ReadFileBytes(LibFile("L.rss")),
              Rs232Library("L", 1, Rs232Record("PWR", "9600", "8", "1", "NONE", 0, 1, 3, "ON\x0d")));
    EXPECT_EQ(ReadFileBytes(LibFile("Copy.rss")), Rs232Library("L", 1, off));

    // Cancelled: nothing written, no message.
    Click(dlg.m_btnSaveNameAs);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(Rs232EditLib, OpenLibShowsTheFirstFunctionOfTheChosenFile) {
    const QString elsewhere = m_xdg.Root() + "/other.rss";
    ASSERT_TRUE(WriteFileBytes(
        elsewhere, Rs232Library("Other", 2,
                                Rs232Record("z", "38400", "8", "1", "NONE", 1, 0, 1, "\x7f") +
                                    Rs232Record("m", "57600", "8", "2", "ODD", 1, 0, 2, "\x01\x02"))));
    CDlgRs232EditLib& dlg = Open();
    m_prompter.QueueFile(elsewhere);
    Click(dlg.m_btnOpenLib);
    const prompt::FileRequest request = m_prompter.FileRequests().at(0);
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.folder, GetLibraryPath());
    EXPECT_EQ(dlg.m_editLibName->text(), QString("Other"));
    EXPECT_EQ(ComboEntries(dlg.m_comboFunction), (QStringList{"m", "z"}));
    EXPECT_EQ(Data(dlg), QString("01 02"));
    EXPECT_EQ(dlg.m_comboBaud->currentText(), QString("57600"));
    EXPECT_TRUE(dlg.m_radioHex->isChecked());
    EXPECT_TRUE(m_prompter.Texts().empty());

    // Cancelled: everything stays.
    Click(dlg.m_btnOpenLib);
    EXPECT_EQ(dlg.m_editLibName->text(), QString("Other"));
    EXPECT_EQ(dlg.m_comboFunction->count(), 2);
}

TEST_F(Rs232EditLib, DamagedAndMissingLibrariesAreRefused) {
    const std::string whole = Rs232Library("L", 1, kPwr);
    WriteLib("Cut.rss", whole.substr(0, whole.size() - 1));
    WriteLib("Count.rss", Rs232Library("L", 3, kPwr + kPwr));

    CDlgRs232EditLib& missing = Open("Nowhere", "PWR");
    EXPECT_TRUE(m_prompter.Texts().empty()) << "a missing library is not reported";
    EXPECT_EQ(missing.m_comboFunction->count(), 0);

    CDlgRs232EditLib& cut = Open("Cut", "PWR");
    EXPECT_EQ(m_prompter.Texts(), Strings{"Can Not Open The File"});
    EXPECT_EQ(cut.m_editLibName->text(), QString());
    EXPECT_EQ(cut.m_comboFunction->count(), 0);

    // Open Lib of a damaged or cut file says so and changes nothing shown.
    WriteLib("L.rss", whole);
    CDlgRs232EditLib& dlg = Open("L", "PWR");
    m_prompter.Clear();
    for (const char* file : {"Count.rss", "Cut.rss"}) {
        m_prompter.QueueFile(LibFile(file));
        Click(dlg.m_btnOpenLib);
        EXPECT_EQ(dlg.m_editLibName->text(), QString("L")) << file;
        EXPECT_EQ(dlg.m_comboFunction->currentText(), QString("PWR")) << file;
        EXPECT_EQ(dlg.m_rsLib.m_arrFunctions.size(), 1u) << file;
    }
    EXPECT_EQ(m_prompter.Texts(), (Strings{"Can Not Open The File", "Can Not Open The File"}));
    // A good library replaces what is shown.
    WriteLib("M.rss", Rs232Library("M", 1, Rs232Record("z", "38400", "8", "1", "NONE", 1, 0, 1, "\x7f")));
    m_prompter.QueueFile(LibFile("M.rss"));
    Click(dlg.m_btnOpenLib);
    EXPECT_EQ(dlg.m_editLibName->text(), QString("M"));
    EXPECT_EQ(ComboEntries(dlg.m_comboFunction), QStringList{"z"});
    EXPECT_EQ(ReadFileBytes(LibFile("Count.rss")), Rs232Library("L", 3, kPwr + kPwr));
}

TEST_F(Rs232EditLib, ASaveThatCannotHappenIsReported) {
    // A stored name that is no plain file name would write elsewhere.
    const QString elsewhere = m_xdg.Root() + "/escape.rss";
    ASSERT_TRUE(WriteFileBytes(elsewhere, Rs232Library("../escape", 1, kPwr)));
    CDlgRs232EditLib& dlg = Open();
    m_prompter.QueueFile(elsewhere);
    Click(dlg.m_btnOpenLib);
    dlg.m_editData->setText("X");
    Click(dlg.m_btnSaveEdit);
    EXPECT_EQ(m_prompter.Texts(), Strings{"The name can not be used as a file name"});
    EXPECT_EQ(ReadFileBytes(elsewhere), Rs232Library("../escape", 1, kPwr));

    // A file that cannot be written.
    m_prompter.Clear();
    WriteLib("L.rss", Rs232Library("L", 1, kPwr));
    CDlgRs232EditLib& other = Open("L", "PWR");
    m_prompter.QueueFile(m_xdg.Root() + "/no/such/folder/x.rss");
    Click(other.m_btnSaveNameAs);
    EXPECT_EQ(m_prompter.Texts(), Strings{"Can Not Open The File"});
}
