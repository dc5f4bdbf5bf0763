#include "app/linkfixture.h"
#include "app/mainwindowfixture.h"
#include "controls/cqvmirlistctrl.h"
#include "device/devicetiming.h"
#include "editors/cdlgireditlib.h"
#include "editors/cdlgnewname.h"
#include "support/filecontent.h"
#include "support/keypad_simulator.h"
#include "support/modalwait.h"
#include "support/screenshot.h"
#include "support/scripted_prompter.h"
#include "support/tempxdgfolders.h"
#include "support/wait.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <mutex>

namespace {

const std::string kF99(99, 'F');

// "TV" holding Power and Mute, written byte by byte: name 02 "TV", count
// 02 00, then each entry with its one-byte length.
const std::string kTvLibrary = std::string("\x02TV\x02\x00", 5) + "\x0cPower : 0102" + "\x0bMute : 0a0b";

// Names the prompt that the code under test opens next.
void AnswerNewName(const QString& name) {
    OnModalOf<CDlgNewName>([name](CDlgNewName* dlg) {
        dlg->m_editName->setText(name);
        QTest::mouseClick(dlg->m_btnOk, Qt::LeftButton);
        if (dlg->isVisible()) // refused: leave it with Cancel
            QTest::mouseClick(dlg->m_btnCancel, Qt::LeftButton);
    });
}

std::vector<std::string> Column(const CQvmIrListCtrl* list, int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < list->GetItemCount(); ++row)
        texts.push_back(list->GetItemText(row, column));
    return texts;
}

std::vector<int> SelectedRows(const CQvmIrListCtrl* list) {
    std::vector<int> rows;
    for (int row = 0; row < list->GetItemCount(); ++row)
        if (list->IsItemSelected(row))
            rows.push_back(row);
    return rows;
}

class IrEditLib : public ::testing::Test {
protected:
    void SetUp() override { paths::SetProgramFolder(m_xdg.Root()); }
    void TearDown() override { paths::SetProgramFolder({}); }

    QString LibFile(const QString& name) const { return GetLibraryPath() + "/" + name; }

    // An editor opened as the IR page opens it, with a library and function.
    std::unique_ptr<CDlgIREditLib> Open(const std::string& lib = {}, const std::string& fn = {}) {
        auto dlg = std::make_unique<CDlgIREditLib>();
        dlg->m_strLibName = lib;
        dlg->m_strFunctionName = fn;
        dlg->show();
        return dlg;
    }

    TempXdgFolders m_xdg;
    ScriptedPrompter m_prompter;
};

} // namespace

TEST_F(IrEditLib, ShowsTheEditorTitledIrEdit) {
    ASSERT_TRUE(WriteFileBytes(LibFile("TV.irr"), kTvLibrary));
    auto dlg = Open("TV", "Mute");
    EXPECT_EQ(dlg->windowTitle(), QString("IR Edit"));
    const QTreeWidgetItem* header = dlg->m_listCodes->headerItem();
    EXPECT_EQ(header->text(0), QString("No."));
    EXPECT_EQ(header->text(1), QString("Name"));
    EXPECT_EQ(header->text(2), QString("Data"));
    EXPECT_TRUE(dlg->m_editLibName->isReadOnly());
    for (auto [id, text] : std::vector<std::pair<const char*, const char*>>{{"1025", "Open Lib"},
                                                                            {"1026", "New Lib"},
                                                                            {"1027", "New Function"},
                                                                            {"1076", "Delete Function"},
                                                                            {"1077", "Rename For Function"},
                                                                            {"1096", "Learn"},
                                                                            {"1086", "Save Edit"},
                                                                            {"1087", "Save Name as"},
                                                                            {"1", "OK"},
                                                                            {"2", "Cancel"}})
        EXPECT_EQ(dlg->findChild<QPushButton*>(id)->text(), QString(text)) << id;
    // The function buttons and the code list lie inside the "Edit" frame.
    auto* group = dlg->findChild<QGroupBox*>("1212");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), "Edit");
    const QRect inside = group->contentsRect().translated(group->pos());
    for (const char* id : {"1027", "1076", "1077", "1094"})
        EXPECT_TRUE(inside.contains(dlg->findChild<QWidget*>(id)->geometry())) << id;
    SaveScreenshot(*dlg, "cdlgireditlib.png");
}

TEST_F(IrEditLib, OpensTheCallersLibraryAndSelectsItsFunction) {
    ASSERT_TRUE(WriteFileBytes(LibFile("TV.irr"), kTvLibrary));
    auto dlg = Open("  TV ", " Power ");
    EXPECT_EQ(dlg->m_editLibName->text(), QString("TV"));
    EXPECT_EQ(Column(dlg->m_listCodes, 0), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Column(dlg->m_listCodes, 1), (std::vector<std::string>{"Power", "Mute"}));
    EXPECT_EQ(Column(dlg->m_listCodes, 2), (std::vector<std::string>{"0102", "0a0b"}));
    EXPECT_EQ(SelectedRows(dlg->m_listCodes), std::vector<int>{0});

    // A function no row has (the case differs): the last row stays selected.
    EXPECT_EQ(dlg->LoadLibAndSelect("TV", "mute"), 0);
    EXPECT_EQ(SelectedRows(dlg->m_listCodes), std::vector<int>{1});
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(IrEditLib, ALibraryNameThatLeavesTheLibraryFolderIsNotRead) {
    // A readable library one folder above the Library folder.
    ASSERT_TRUE(WriteFileBytes(GetLibraryPath() + "/../TV.irr", kTvLibrary));
    auto dlg = Open("../TV", "Power");
    EXPECT_EQ(dlg->m_listCodes->GetItemCount(), 0);
    EXPECT_EQ(dlg->m_editLibName->text(), QString());
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(IrEditLib, AMissingLibraryGivesAnEmptyEditorAndADamagedOneAMessage) {
    auto missing = Open("Nothing", "Power");
    EXPECT_EQ(missing->m_listCodes->GetItemCount(), 0);
    EXPECT_EQ(missing->m_editLibName->text(), QString());
    EXPECT_TRUE(m_prompter.Texts().empty());

    // The count promises two entries, the file holds one.
    ASSERT_TRUE(WriteFileBytes(LibFile("Bad.irr"), std::string("\x03"
                                                               "Bad\x02\x00\x04"
                                                               "A:01",
                                                               10)));
    auto damaged = Open("Bad", "A");
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Can Not Open The File"});
    EXPECT_EQ(damaged->m_listCodes->GetItemCount(), 0);
    EXPECT_EQ(damaged->m_editLibName->text(), QString());
}

TEST_F(IrEditLib, ANewLibraryWithTwoFunctionsIsSavedByteForByte) {
    auto dlg = Open();
    m_prompter.Clear();
    dlg->m_btnSaveEdit->click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Please Create a new lib name"});

    AnswerNewName("DVD");
    dlg->m_btnNewLib->click();
    EXPECT_EQ(dlg->m_editLibName->text(), QString("DVD"));
    m_prompter.Clear();
    dlg->m_btnSaveEdit->click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Please Create a new function"});
    EXPECT_FALSE(QFile::exists(LibFile("DVD.irr")));

    AnswerNewName("play");
    dlg->m_btnNewFunction->click();
    AnswerNewName("Eject");
    dlg->m_btnNewFunction->click();
    // A name that differs only in letter case is a new name; sorting ignores case.
    AnswerNewName("Play");
    dlg->m_btnNewFunction->click();
    EXPECT_EQ(Column(dlg->m_listCodes, 0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(Column(dlg->m_listCodes, 1), (std::vector<std::string>{"Eject", "play", "Play"}));
    EXPECT_EQ(Column(dlg->m_listCodes, 2), (std::vector<std::string>{kF99, kF99, kF99}));

    // The same name again is refused by the prompt and adds nothing.
    m_prompter.Clear();
    AnswerNewName("Eject");
    dlg->m_btnNewFunction->click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"The Function name is already exist"});
    EXPECT_EQ(dlg->m_listCodes->GetItemCount(), 3);

    m_prompter.Clear();
    dlg->m_btnSaveEdit->click();
    EXPECT_TRUE(m_prompter.Texts().empty());
    // 03 "DVD", count 03 00; "Eject : " + 99 F is 107 (0x6B) bytes, the
    // two "play : " lines 106 (0x6A).
    const std::string expected = std::string("\x03"
                                             "DVD\x03\x00",
                                             6) +
                                 "\x6b"
                                 "Eject : " +
                                 kF99 +
                                 "\x6a"
                                 "play : " +
                                 kF99 +
                                 "\x6a"
                                 "Play : " +
                                 kF99;
    EXPECT_EQ(ReadFileBytes(LibFile("DVD.irr")), expected);
    EXPECT_EQ(dlg->m_strLibName, "DVD");
    EXPECT_EQ(dlg->m_arrFunctions.size(), 3u);
}

TEST_F(IrEditLib, NewLibRefusesTheNameOfAnExistingLibrary) {
    ASSERT_TRUE(WriteFileBytes(LibFile("TV.irr"), kTvLibrary));
    auto dlg = Open("TV", "Power");
    AnswerNewName("TV");
    dlg->m_btnNewLib->click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"the name is aready exsit in the Library"});
    // Refused: the editor still shows the library it had.
    EXPECT_EQ(dlg->m_editLibName->text(), QString("TV"));
    EXPECT_EQ(dlg->m_listCodes->GetItemCount(), 2);
}

TEST_F(IrEditLib, SaveEditWritesUnderTheShownNameWhateverTheFileWasCalled) {
    // A copy of "TV" under another file name, opened through Open Lib.
    ASSERT_TRUE(WriteFileBytes(LibFile("copy.irr"), kTvLibrary));
    auto dlg = Open();
    m_prompter.QueueFile(LibFile("copy.irr"));
    dlg->m_btnOpenLib->click();
    ASSERT_EQ(m_prompter.FileRequests().size(), 1u);
    EXPECT_FALSE(m_prompter.FileRequests()[0].save);
    EXPECT_EQ(m_prompter.FileRequests()[0].folder, GetLibraryPath());
    EXPECT_EQ(dlg->m_editLibName->text(), QString("TV"));
    EXPECT_EQ(Column(dlg->m_listCodes, 1), (std::vector<std::string>{"Power", "Mute"}));

    dlg->m_btnSaveEdit->click();
    // Rows in list order (Open Lib does not sort), each rebuilt as name " : " code.
    EXPECT_EQ(ReadFileBytes(LibFile("TV.irr")), kTvLibrary);
    EXPECT_EQ(ReadFileBytes(LibFile("copy.irr")), kTvLibrary);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(IrEditLib, OpenLibRefusesAFileItCannotReadAndKeepsTheRows) {
    ASSERT_TRUE(WriteFileBytes(LibFile("TV.irr"), kTvLibrary));
    ASSERT_TRUE(WriteFileBytes(LibFile("short.irr"), "\x09Too short"));
    auto dlg = Open("TV", "Power");
    m_prompter.QueueFile(LibFile("short.irr"));
    dlg->m_btnOpenLib->click();
    m_prompter.QueueFile(LibFile("none.irr"));
    dlg->m_btnOpenLib->click();
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{"Can Not Open The File", "Can Not Open The File"}));
    EXPECT_EQ(Column(dlg->m_listCodes, 1), (std::vector<std::string>{"Power", "Mute"}));
    EXPECT_EQ(dlg->m_editLibName->text(), QString("TV"));
    // The rows still save under their library.
    ASSERT_TRUE(QFile::remove(LibFile("TV.irr")));
    dlg->m_btnSaveEdit->click();
    EXPECT_EQ(ReadFileBytes(LibFile("TV.irr")), kTvLibrary);
    // Cancel in the file dialog changes nothing at all.
    m_prompter.Clear();
    dlg->m_btnOpenLib->click();
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(IrEditLib, SaveNameAsWritesTheChosenFileWithTheShownName) {
    ASSERT_TRUE(WriteFileBytes(LibFile("TV.irr"), kTvLibrary));
    auto dlg = Open("TV", "Power");
    const QString other = m_xdg.Root() + "/elsewhere.irr";
    m_prompter.QueueFile(other);
    dlg->m_btnSaveNameAs->click();
    ASSERT_EQ(m_prompter.FileRequests().size(), 1u);
    EXPECT_TRUE(m_prompter.FileRequests()[0].save);
    EXPECT_EQ(m_prompter.FileRequests()[0].folder, GetLibraryPath());
    EXPECT_EQ(ReadFileBytes(other), kTvLibrary);
}

TEST_F(IrEditLib, AFailedSaveIsReportedAndAFileNameThatLeavesTheLibraryRefused) {
    ASSERT_TRUE(WriteFileBytes(LibFile("TV.irr"), kTvLibrary));
    auto dlg = Open("TV", "Power");
    m_prompter.QueueFile(m_xdg.Root() + "/no-such-folder/x.irr");
    dlg->m_btnSaveNameAs->click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Can Not Open The File"});

    // A library whose stored name is a path: Save Edit must not follow it.
    m_prompter.Clear();
    ASSERT_TRUE(WriteFileBytes(LibFile("evil.irr"), std::string("\x05../up\x01\x00\x08Power:01", 17)));
    m_prompter.QueueFile(LibFile("evil.irr"));
    dlg->m_btnOpenLib->click();
    EXPECT_EQ(dlg->m_editLibName->text(), QString("../up"));
    dlg->m_btnSaveEdit->click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"The name can not be used as a file name"});
    EXPECT_FALSE(QFile::exists(GetLibraryPath() + "/../up.irr"));
}

TEST_F(IrEditLib, RenameRefusesTheRowsOwnNameAndDoesNotSort) {
    ASSERT_TRUE(WriteFileBytes(LibFile("TV.irr"), kTvLibrary));
    auto dlg = Open("TV", "Power");
    AnswerNewName("Power");
    dlg->m_btnRename->click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"The Function name is already exist"});
    EXPECT_EQ(Column(dlg->m_listCodes, 1), (std::vector<std::string>{"Power", "Mute"}));

    AnswerNewName("Zoom");
    dlg->m_btnRename->click();
    EXPECT_EQ(Column(dlg->m_listCodes, 1), (std::vector<std::string>{"Zoom", "Mute"}));
    EXPECT_EQ(Column(dlg->m_listCodes, 2), (std::vector<std::string>{"0102", "0a0b"}));

    m_prompter.Clear();
    dlg->m_listCodes->DeselectAll();
    dlg->m_btnRename->click();
    dlg->m_btnDeleteFunction->click();
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{"Please select a Item for list", "Please select a Item for list"}));
    EXPECT_EQ(dlg->m_listCodes->GetItemCount(), 2);
}

TEST_F(IrEditLib, DeleteSelectsTheRowThatTookThePlaceAndRenumbers) {
    auto dlg = Open();
    AnswerNewName("Lib");
    dlg->m_btnNewLib->click();
    for (const char* name : {"A", "B", "C", "D"}) {
        AnswerNewName(name);
        dlg->m_btnNewFunction->click();
    }
    dlg->m_listCodes->SelectItem(3);
    dlg->m_btnDeleteFunction->click(); // the last row: the new last row is selected
    EXPECT_EQ(Column(dlg->m_listCodes, 1), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(SelectedRows(dlg->m_listCodes), std::vector<int>{2});
    dlg->m_listCodes->SelectItem(1);
    dlg->m_btnDeleteFunction->click(); // the middle row: C moves into its place
    EXPECT_EQ(Column(dlg->m_listCodes, 1), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(Column(dlg->m_listCodes, 0), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(SelectedRows(dlg->m_listCodes), std::vector<int>{1});
    dlg->m_btnDeleteFunction->click();
    dlg->m_btnDeleteFunction->click();
    EXPECT_EQ(dlg->m_listCodes->GetItemCount(), 0);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(IrEditLib, ALearnedFrameFillsTheSelectedRow) {
    ASSERT_TRUE(WriteFileBytes(LibFile("TV.irr"), kTvLibrary));
    auto dlg = Open("TV", "Mute");
    KeypadSimulator::LearnedCode code{};
    code.fill(0xAB);
    code.front() = 0x01;
    code.back() = 0xFE;
    const std::string frame = KeypadSimulator::LearnedCodeFrame(code);
    const std::string learned = "01" + [] {
        std::string s;
        for (int i = 0; i < 97; ++i)
            s += "ab";
        return s;
    }() + "fe";
    ASSERT_EQ(learned.size(), 198u);

    dlg->OnLearnData(frame.data(), int(frame.size()));
    EXPECT_EQ(Column(dlg->m_listCodes, 2), (std::vector<std::string>{"0102", learned}));

    // A frame too short to carry a whole code changes no row.
    dlg->m_listCodes->SelectItem(0);
    dlg->OnLearnData(frame.data(), 100);
    EXPECT_EQ(dlg->m_listCodes->GetItemText(0, 2), "0102");

    // With no row selected the code is dropped.
    dlg->m_listCodes->DeselectAll();
    dlg->OnLearnData(frame.data(), int(frame.size()));
    EXPECT_EQ(Column(dlg->m_listCodes, 2), (std::vector<std::string>{"0102", learned}));
    EXPECT_TRUE(m_prompter.Texts().empty());

    // The code reaches the file with the next save.
    dlg->m_btnSaveEdit->click();
    EXPECT_EQ(ReadFileBytes(LibFile("TV.irr")), std::string("\x02TV\x02\x00", 5) + "\x0cPower : 0102" +
                                                    "\xcd"
                                                    "Mute : " +
                                                    learned);
}

namespace {

// The main window's link as the editor sees it: open or not; the calls are
// recorded.
class StandInLink : public IrLearnLink {
public:
    bool IsLinkOpen() const override { return m_bOpen; }
    void StartIrLearning() override { m_calls.push_back("start"); }
    void StopIrLearning() override { m_calls.push_back("stop"); }
    bool m_bOpen = false;
    std::vector<std::string> m_calls;
};

} // namespace

TEST_F(IrEditLib, LearnWithoutAnOpenLinkAsksForTheComPort) {
    // No link at all, and a closed one.
    StandInLink link;
    for (IrLearnLink* given : {static_cast<IrLearnLink*>(nullptr), static_cast<IrLearnLink*>(&link)}) {
        m_prompter.Clear();
        CDlgIREditLib dlg(nullptr, given);
        dlg.show();
        dlg.m_btnLearn->click();
        EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Please Open Com"});
        EXPECT_TRUE(dlg.m_btnLearn->isEnabled());
        EXPECT_FALSE(dlg.m_learnTimer.isActive());
    }
    EXPECT_TRUE(link.m_calls.empty());

    // An open link learns; every way of closing the editor stops learning.
    link.m_bOpen = true;
    link.m_calls.clear();
    CDlgIREditLib dlg(nullptr, &link);
    dlg.show();
    dlg.m_btnLearn->click();
    EXPECT_FALSE(dlg.m_btnLearn->isEnabled());
    EXPECT_EQ(link.m_calls, std::vector<std::string>{"start"});
    dlg.close();
    EXPECT_EQ(link.m_calls, (std::vector<std::string>{"start", "stop"}));
}

namespace {

// Records the chunks the link reads, in place of the main window's handler.
class ChunkSink : public RsComReceiver {
public:
    void OnRsComData(const char* bytes, int count) override {
        std::lock_guard lock(m_mutex);
        m_bytes.append(bytes, size_t(count));
    }
    void OnRsComLost() override {}
    std::string Bytes() const {
        std::lock_guard lock(m_mutex);
        return m_bytes;
    }

private:
    mutable std::mutex m_mutex;
    std::string m_bytes;
};

class IrEditLearn : public MainWindowTest {};

} // namespace

TEST_F(IrEditLearn, LearnSendsTheRequestAndDisablesTheButtonForAWhile) {
    DeviceTiming timing;
    timing.learnButtonMs = 300;
    ScopedDeviceTiming scoped(timing);
    KeypadSimulator sim;
    ChunkSink sink;
    CravloDlg& main = Start();
    ASSERT_TRUE(main.m_com.Open(sim.PortPath(), &sink));
    main.m_bRxBusy = true;

    auto dlg = std::make_unique<CDlgIREditLib>(nullptr, &main);
    dlg->show();
    dlg->m_btnLearn->click();
    EXPECT_TRUE(main.m_bIrLearning);
    EXPECT_FALSE(main.m_bRxBusy);
    EXPECT_FALSE(dlg->m_btnLearn->isEnabled());
    ASSERT_TRUE(testwait::WaitUntil([&] { return sim.FrameCount() == 1; }));
    EXPECT_EQ(sim.Frames()[0], "QVM000603NONE93ENND");
    // The keypad's answer arrives on the link.
    EXPECT_TRUE(testwait::WaitUntil([&] { return sink.Bytes().size() == 118; }));
    EXPECT_EQ(sink.Bytes().substr(0, 13), "QVM010503NONE");

    EXPECT_TRUE(testwait::WaitUntil([&] { return dlg->m_btnLearn->isEnabled(); }));
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(IrEditLearn, ClosingTheEditorEndsLearningAndIdlesTheLink) {
    CravloDlg& main = Start();
    for (int how = 0; how < 3; ++how) {
        main.m_bIrLearning = true;
        main.m_nLinkState = CravloDlg::kLinkClearing;
        CDlgIREditLib dlg(nullptr, &main);
        dlg.show();
        if (how == 0)
            dlg.m_btnOk->click();
        else if (how == 1)
            dlg.m_btnCancel->click();
        else
            dlg.close();
        EXPECT_FALSE(dlg.isVisible()) << how;
        EXPECT_FALSE(main.m_bIrLearning) << how;
        EXPECT_EQ(main.m_nLinkState.load(), CravloDlg::kLinkIdle) << how;
    }
}

TEST_F(IrEditLearn, ReturnAndEscapeDoNotCloseTheEditor) {
    Start();
    CDlgIREditLib dlg;
    dlg.show();
    QTest::keyClick(dlg.m_listCodes, Qt::Key_Return);
    QTest::keyClick(dlg.m_listCodes, Qt::Key_Escape);
    EXPECT_TRUE(dlg.isVisible());
}

namespace {

class IrEditLearnFromKeypad : public LinkTest {};

} // namespace

TEST_F(IrEditLearnFromKeypad, ALearnedCodeArrivesInTheSelectedRowAndClosingEndsLearning) {
    ASSERT_TRUE(WriteFileBytes(GetLibraryPath() + "/TV.irr", kTvLibrary));
    KeypadSimulator::LearnedCode code{};
    for (size_t i = 0; i < code.size(); ++i)
        code[i] = uint8_t(i % 2 ? 0x5A : 0xC3);
    m_sim.SetLearnedCode(code);
    std::string learned;
    for (size_t i = 0; i < code.size(); ++i)
        learned += i % 2 ? "5a" : "c3";

    CravloDlg& main = StartConnected();
    m_sim.ClearRecord();
    auto dlg = std::make_unique<CDlgIREditLib>(&main, &main);
    dlg->m_strLibName = "TV";
    dlg->m_strFunctionName = "Power";
    dlg->show();
    dlg->m_btnLearn->click();
    EXPECT_FALSE(dlg->m_btnLearn->isEnabled());
    ASSERT_TRUE(testwait::WaitUntil([&] { return dlg->m_listCodes->GetItemText(0, 2) == learned; }));
    EXPECT_EQ(m_sim.Frames(), std::vector<std::string>{"QVM000603NONE93ENND"});
    EXPECT_EQ(dlg->m_listCodes->GetItemText(1, 2), "0a0b");
    EXPECT_TRUE(main.m_bIrLearning);

    // Learning goes on: a second code for another row, sent by the keypad
    // on its own (a second key of the remote control).
    dlg->m_listCodes->SelectItem(1);
    code.fill(0x11);
    m_sim.Send(KeypadSimulator::LearnedCodeFrame(code));
    ASSERT_TRUE(
        testwait::WaitUntil([&] { return dlg->m_listCodes->GetItemText(1, 2) == std::string(198, '1'); }));

    dlg->m_btnOk->click();
    EXPECT_FALSE(main.m_bIrLearning);
    EXPECT_EQ(main.m_nLinkState.load(), CravloDlg::kLinkIdle);
    EXPECT_TRUE(m_prompter.Texts().empty());
    // Nothing was saved: the file is as it was.
    EXPECT_EQ(ReadFileBytes(GetLibraryPath() + "/TV.irr"), kTvLibrary);
}
