// Project files through the main window: Save, Save as, Open, New, the
// project on the command line, and files that are short or damaged.
#include "mainwindowfixture.h"

#include "app/cdlgpanel.h"
#include "app/cqvmview2listctrl.h"
#include "app/cqvmview4listctrl.h"
#include "app/cravloapp.h"
#include "editors/cdlgkeynormal.h"
#include "model/projectfile.h"
#include "platform/textutil.h"
#include "support/comboinput.h"
#include "support/modalwait.h"

#include <QDir>
#include <QPushButton>
#include <QtTest/QTest>
#include <random>

namespace {

std::string ReadBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll().toStdString();
}

void WriteBytes(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), qint64(bytes.size()));
}

std::string Hex(const std::string& s) {
    std::string out;
    for (unsigned char c : s)
        out += txt::Format("%02x ", c);
    return out;
}

std::vector<std::string> Rows(const ReportListCtrl* list) {
    std::vector<std::string> out;
    for (int row = 0; row < list->GetItemCount(); ++row)
        out.push_back(list->GetItemText(row, 0) + "|" + list->GetItemText(row, 1) + "|" +
                      list->GetItemText(row, 2) + (list->IsItemSelected(row) ? "|*" : ""));
    return out;
}

class ProjectTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        g_strProjectFolder.clear();
        g_strProjectPath.clear();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        g_strProjectFolder.clear();
        g_strProjectPath.clear();
    }
    QString Path(const QString& name) const { return m_files.path() + "/" + name; }
    QTemporaryDir m_files;

    // Port mode 2 (its change empties the keys, so it comes first), two key
    // actions with events, a repeat delay and device ID 12.
    void Fill(CravloDlg& dlg) {
        m_prompter.QueueAnswer(prompt::Answer::Yes);
        ChooseEntry(dlg.m_comboPortMode, 2);
        dlg.m_keys[6].SetKeyAction(1, 0, 0);
        dlg.m_keys[6].m_nRepeatDelay = 15;
        dlg.ShowAddedKeyAction(6, 0, "error no cursel");
        for (const char* text : {"RELY : 1 : 0 : 0", "DELY : 1 : 2 : 3 : 1 : 0102031"}) {
            dlg.AddEvent(dlg.m_nSelKey, dlg.m_nSelSlot, text);
            dlg.AddEventRow(text);
        }
        dlg.m_keys[33].SetKeyAction(6, 0, 125);
        dlg.ShowAddedKeyAction(33, 31, "error! no cursel");
        dlg.AddEvent(33, 31, "LEDP : 3 : 1 : 1");
        dlg.AddEventRow("LEDP : 3 : 1 : 1");
        ChooseEntry(dlg.m_comboDeviceId, 12);
        ASSERT_EQ(m_prompter.Texts(), (std::vector<std::string>{"This will clear all actions and event"}));
        m_prompter.Clear();
    }

    // Everything of the window that a project load may change.
    std::string Snapshot(CravloDlg& dlg) {
        std::string s = dlg.windowTitle().toStdString() + "\n" + g_strProjectFolder.toStdString() + "\n" +
                        g_strProjectPath.toStdString() + "\n";
        s += txt::Format("%d %d %d %d %d %d %d\n", dlg.m_nDeviceId, dlg.m_nPortMode, dlg.m_nSelKey,
                         dlg.m_nSelSlot, dlg.m_nModel, dlg.m_comboDeviceId->currentIndex(),
                         dlg.m_comboPortMode->currentIndex());
        for (const auto& row : Rows(dlg.m_listAction))
            s += row + "\n";
        for (const auto& row : Rows(dlg.m_listEvent))
            s += row + "\n";
        for (const CBaseButton& key : dlg.m_keys) {
            CArchive ar;
            KeyRecord(key).Serialize(ar);
            s += Hex(ar.Bytes()) + (key.isVisible() ? "v" : "h") + "\n";
        }
        return s;
    }
};

} // namespace

TEST_F(ProjectTest, AFreshProjectSavesByteExactAndTheSecondSaveIsSilent) {
    CravloDlg& dlg = Start();
    m_prompter.QueueFile(Path("fresh.dvp"));
    dlg.OnFileSave();
    ASSERT_EQ(m_prompter.FileRequests().size(), 1u);
    const prompt::FileRequest request = m_prompter.FileRequests()[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.folder, GetLibraryPath());
    EXPECT_EQ(request.filter, "*.dvp");
    EXPECT_EQ(request.defaultSuffix, "dvp");

    const std::string bytes = ReadBytes(Path("fresh.dvp"));
    ASSERT_EQ(bytes.size(), 4617u);
    EXPECT_EQ(bytes.substr(0, 20), std::string(20, '\0'));
    EXPECT_EQ(Hex(bytes.substr(20, 4)), "01 31 01 31 ");
    EXPECT_EQ(dlg.windowTitle(), Path("fresh.dvp"));
    EXPECT_EQ(g_strProjectFolder, m_files.path());
    EXPECT_EQ(g_strProjectPath, Path("fresh.dvp"));

    ChooseEntry(dlg.m_comboDeviceId, 5);
    dlg.OnFileSave();
    EXPECT_EQ(m_prompter.FileRequests().size(), 1u);
    EXPECT_EQ(Hex(ReadBytes(Path("fresh.dvp")).substr(0, 4)), "05 00 00 00 ");
    EXPECT_TRUE(m_prompter.Texts().empty());

    // The next dialog starts in the project's folder.
    dlg.OnFileOpen();
    ASSERT_EQ(m_prompter.FileRequests().size(), 2u);
    EXPECT_FALSE(m_prompter.FileRequests()[1].save);
    EXPECT_EQ(m_prompter.FileRequests()[1].folder, m_files.path());
}

TEST_F(ProjectTest, SavedProjectReopensInAFreshWindowAndSavesAgainToTheSameBytes) {
    CravloDlg& dlg = Start();
    Fill(dlg);
    m_prompter.QueueFile(Path("a.dvp"));
    ASSERT_TRUE(dlg.OnFileSaveAs());
    const std::string saved = ReadBytes(Path("a.dvp"));
    // Header: device ID 12, port mode 2, key 33 slot 31 selected, model 0.
    EXPECT_EQ(Hex(saved.substr(0, 20)), "0c 00 00 00 02 00 00 00 21 00 00 00 1f 00 00 00 00 00 00 00 ");

    m_dlg.reset();
    g_strProjectFolder.clear();
    g_strProjectPath.clear();
    CravloDlg& again = Start();
    m_prompter.QueueFile(Path("a.dvp"));
    again.OnFileOpen();
    EXPECT_EQ(again.windowTitle(), Path("a.dvp"));
    EXPECT_EQ(g_strProjectPath, Path("a.dvp"));
    EXPECT_EQ(again.m_comboDeviceId->currentText(), "12");
    EXPECT_EQ(again.m_comboPortMode->currentText(), "RS232(1),IR 3");
    // Sorted by key, row 0 selected, and its events shown.
    EXPECT_EQ(Rows(again.m_listAction), (std::vector<std::string>{"Key7|Press|Repeat Delay Time: 1.5S|*",
                                                                  "Key34|Time|Time 1: 2hour 5min"}));
    EXPECT_EQ(again.m_nSelKey, 6);
    EXPECT_EQ(again.m_nSelSlot, 0);
    EXPECT_EQ(Rows(again.m_listEvent),
              (std::vector<std::string>{"1|Relay|Port 2 On", "2|Delay|Time Hour:1 Minute:2 Second:3.5s"}));
    EXPECT_EQ(again.m_keys[6].m_nRepeatDelay, 15);

    m_prompter.QueueFile(Path("b.dvp"));
    ASSERT_TRUE(again.OnFileSaveAs());
    // Only the selected key action differs: the load selected row 0.
    std::string expected = saved;
    expected[8] = 6;
    expected[12] = 0;
    EXPECT_EQ(Hex(ReadBytes(Path("b.dvp"))), Hex(expected));
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(ProjectTest, ShortDamagedAndMissingFilesChangeNothing) {
    CravloDlg& dlg = Start();
    Fill(dlg);
    m_prompter.QueueFile(Path("good.dvp"));
    ASSERT_TRUE(dlg.OnFileSaveAs());
    const std::string good = ReadBytes(Path("good.dvp"));
    const std::string before = Snapshot(dlg);

    // The file model's own test reads every cut; through the window a few
    // show the same: inside the 20-byte header, right after it, each side
    // of the end of key 7's record (the one with events) and one byte
    // short of the end. Every other cut goes through the Open menu.
    size_t key7End = 20;
    for (int i = 0; i <= 6; ++i) {
        CArchive ar;
        KeyRecord(dlg.m_keys[size_t(i)]).Serialize(ar);
        key7End += ar.Bytes().size();
    }
    size_t attempts = 0;
    bool viaMenu = true;
    for (size_t n : {size_t(0), size_t(10), size_t(20), key7End - 1, key7End, key7End + 1, good.size() - 1}) {
        WriteBytes(Path("bad.dvp"), good.substr(0, n));
        if (viaMenu) {
            m_prompter.QueueFile(Path("bad.dvp"));
            dlg.OnFileOpen();
            ASSERT_EQ(Snapshot(dlg), before) << n;
        } else {
            ASSERT_FALSE(dlg.LoadProject(Path("bad.dvp"))) << n;
        }
        viaMenu = !viaMenu;
        ++attempts;
    }
    std::mt19937 rng(7);
    for (int round = 0; round < 50; ++round) {
        std::string junk(std::uniform_int_distribution<size_t>(0, 9000)(rng), '\0');
        for (char& c : junk)
            c = char(rng());
        WriteBytes(Path("bad.dvp"), junk);
        ASSERT_FALSE(dlg.LoadProject(Path("bad.dvp"))) << round;
        ++attempts;
    }
    EXPECT_FALSE(dlg.LoadProject(Path("missing.dvp")));
    EXPECT_FALSE(dlg.LoadProject(m_files.path())); // a folder
    attempts += 2;
    EXPECT_EQ(Snapshot(dlg), before);
    EXPECT_EQ(m_prompter.Count("The File is Destroy"), attempts);
    EXPECT_EQ(m_prompter.Texts().size(), attempts);

    // A later Save writes the window's own project, not a half-loaded mix.
    dlg.OnFileSave();
    EXPECT_EQ(ReadBytes(Path("good.dvp")), good);
}

TEST_F(ProjectTest, HeaderValuesApplyToTheWindowOnly) {
    WriteSettings("[SYSTEM]\nMACHINE_TYPE=0\n");
    ProjectFile p;
    p.m_nDeviceId = 120; // no entry in the box: kept and saved again
    p.m_nPortMode = 1;
    p.m_nSelKey = 36; // out of range: taken as 0
    p.m_nSelSlot = 12;
    p.m_nModel = 2;
    for (int i = 0; i < kKeyCount; ++i)
        p.m_keys[size_t(i)].m_strName = p.m_keys[size_t(i)].m_strCaption = std::to_string(i + 1);
    p.m_keys[20].m_strName = "Hall";
    p.m_keys[20].m_nKeyType = p.m_keys[20].m_nColorScheme = kKeyVirtual;
    ASSERT_TRUE(p.Write(Path("m2.dvp")));

    CravloDlg& dlg = Start({Path("m2.dvp")});
    EXPECT_EQ(dlg.windowTitle(), Path("m2.dvp"));
    EXPECT_TRUE(g_strProjectFolder.isEmpty()); // Save asks for a name
    EXPECT_EQ(dlg.m_nModel, 2);
    EXPECT_EQ(dlg.m_nPortMode, 0); // model 2 has port mode 0
    EXPECT_FALSE(dlg.m_comboPortMode->isVisible());
    EXPECT_EQ(dlg.m_nDeviceId, 120);
    EXPECT_EQ(dlg.m_comboDeviceId->currentIndex(), -1);
    EXPECT_EQ(dlg.m_nSelKey, 0);
    EXPECT_EQ(dlg.m_nSelSlot, 12); // no key actions: the file's selection stays
    EXPECT_EQ(dlg.m_listAction->GetItemCount(), 0);
    EXPECT_EQ(dlg.m_keys[20].m_strName, "Hall");
    EXPECT_TRUE(dlg.m_keys[20].isVisible()); // the model-2 panel shows key 21
    EXPECT_EQ(ReadSettings(), "[SYSTEM]\nMACHINE_TYPE=0\n");

    m_prompter.QueueFile(Path("again.dvp"));
    dlg.OnFileSave();
    EXPECT_EQ(Hex(ReadBytes(Path("again.dvp")).substr(0, 20)),
              "78 00 00 00 00 00 00 00 00 00 00 00 0c 00 00 00 02 00 00 00 ");
}

TEST_F(ProjectTest, AFileThatCannotBeWrittenIsReportedAndChangesNothing) {
    CravloDlg& dlg = Start();
    ASSERT_TRUE(QDir(m_files.path()).mkdir("taken.dvp"));
    m_prompter.QueueFile(Path("taken.dvp"));
    EXPECT_FALSE(dlg.OnFileSaveAs());
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"Can Not Open The File"}));
    EXPECT_EQ(dlg.windowTitle(), "Vorle-Control");
    EXPECT_TRUE(g_strProjectFolder.isEmpty());
    EXPECT_TRUE(g_strProjectPath.isEmpty());

    // The current project's file turned into a folder: Save reports it.
    m_prompter.QueueFile(Path("p.dvp"));
    ASSERT_TRUE(dlg.OnFileSaveAs());
    ASSERT_TRUE(QFile::remove(Path("p.dvp")));
    ASSERT_TRUE(QDir(m_files.path()).mkdir("p.dvp"));
    m_prompter.Clear();
    dlg.OnFileSave();
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"Can Not Open The File"}));
    EXPECT_EQ(dlg.windowTitle(), Path("p.dvp"));
}

TEST_F(ProjectTest, NewCancelledAnywhereLeavesEverything) {
    CravloDlg& dlg = Start();
    Fill(dlg);
    m_prompter.QueueFile(Path("a.dvp"));
    ASSERT_TRUE(dlg.OnFileSaveAs());
    const std::string before = Snapshot(dlg);

    m_prompter.QueueAnswer(prompt::Answer::Cancel);
    dlg.OnFileNew();
    EXPECT_EQ(Snapshot(dlg), before);
    const prompt::MessageRequest question = m_prompter.Messages().back();
    EXPECT_EQ(question.text, "Save the File in Editting?");
    EXPECT_EQ(question.caption, "Attention:");
    EXPECT_EQ(question.buttons, prompt::Buttons::YesNoCancel);
    EXPECT_EQ(question.defaultAnswer, prompt::Answer::No);
    EXPECT_EQ(question.icon, prompt::Icon::None);

    m_prompter.QueueAnswer(prompt::Answer::No);
    OnModalOf<CDlgPanel>([](CDlgPanel* panel) { QTest::mouseClick(panel->m_btnCancel, Qt::LeftButton); });
    dlg.OnFileNew();
    EXPECT_EQ(Snapshot(dlg), before);
}

TEST_F(ProjectTest, NewStartsAFreshProjectThatSaveAsksANameFor) {
    CravloDlg& dlg = Start();
    m_prompter.QueueFile(Path("fresh.dvp"));
    ASSERT_TRUE(dlg.OnFileSaveAs());
    const std::string fresh = ReadBytes(Path("fresh.dvp"));
    Fill(dlg);
    m_prompter.QueueFile(Path("a.dvp"));
    ASSERT_TRUE(dlg.OnFileSaveAs());
    m_prompter.Clear();

    // Yes with a cancelled save dialog still goes on to the port-mode dialog.
    m_prompter.QueueAnswer(prompt::Answer::Yes);
    m_prompter.QueueFile(std::nullopt);
    bool panelShown = false;
    OnModalOf<CDlgPanel>([&](CDlgPanel* panel) {
        panelShown = true;
        QTest::mouseClick(panel->m_btnOk, Qt::LeftButton);
    });
    dlg.OnFileNew();
    EXPECT_TRUE(panelShown);
    EXPECT_EQ(m_prompter.FileRequests().size(), 1u);
    EXPECT_EQ(dlg.m_listAction->GetItemCount(), 0);
    EXPECT_EQ(dlg.m_listEvent->GetItemCount(), 0);
    EXPECT_TRUE(dlg.m_keys[6].m_arrSlots[0].empty());
    EXPECT_EQ(dlg.m_keys[6].m_nRepeatDelay, 0);
    EXPECT_EQ(dlg.m_keys[33].m_strName, "IOH");
    EXPECT_EQ(dlg.m_comboDeviceId->currentIndex(), 0);
    EXPECT_EQ(dlg.windowTitle(), "Vorle-Control");
    EXPECT_TRUE(g_strProjectFolder.isEmpty());

    // Save asks for a name and writes the fresh project; a.dvp is untouched.
    const std::string old = ReadBytes(Path("a.dvp"));
    m_prompter.QueueFile(Path("new.dvp"));
    dlg.OnFileSave();
    EXPECT_EQ(m_prompter.FileRequests().size(), 2u);
    std::string expected = fresh;
    expected[4] = 2; // the port mode chosen in the dialog
    EXPECT_EQ(Hex(ReadBytes(Path("new.dvp"))), Hex(expected));
    EXPECT_EQ(ReadBytes(Path("a.dvp")), old);
}

TEST_F(ProjectTest, TheRoadOfAnEdit) {
    CravloDlg& dlg = Start();
    // Click key 3 and add Press through its dialog.
    OnModalOf<CDlgKeyNormal>([](CDlgKeyNormal* key) {
        EXPECT_TRUE(ChooseEntry(key->m_comboType, QString("Press")));
        QTest::mouseClick(key->m_btnOk, Qt::LeftButton);
    });
    QTest::mouseClick(&dlg.m_keys[2], Qt::LeftButton);
    EXPECT_EQ(dlg.m_nSelKey, 2);
    EXPECT_EQ(dlg.m_nSelSlot, 0);
    EXPECT_EQ(Rows(dlg.m_listAction), (std::vector<std::string>{"Key3|Press|Repeat Delay Time: 0.0S|*"}));
    EXPECT_EQ(dlg.m_listEvent->GetItemCount(), 0);

    // A page adds two events.
    for (const char* text : {"LTOG : Lamp : 2 : 0 : 0", "RELY : 1 : 0 : 0"}) {
        dlg.AddEvent(dlg.m_nSelKey, dlg.m_nSelSlot, text);
        dlg.AddEventRow(text);
    }
    const std::vector<std::string> events{"1|Toggle|Lamp, Button 3 : Start No. 1", "2|Relay|Port 2 On"};
    EXPECT_EQ(Rows(dlg.m_listEvent), events);

    m_prompter.QueueFile(Path("road.dvp"));
    dlg.OnFileSave();
    const std::string saved = ReadBytes(Path("road.dvp"));

    m_prompter.QueueAnswer(prompt::Answer::No);
    OnModalOf<CDlgPanel>([](CDlgPanel* panel) { QTest::mouseClick(panel->m_btnOk, Qt::LeftButton); });
    dlg.OnFileNew();
    EXPECT_EQ(dlg.m_listAction->GetItemCount(), 0);
    EXPECT_EQ(dlg.m_listEvent->GetItemCount(), 0);

    m_prompter.QueueFile(Path("road.dvp"));
    dlg.OnFileOpen();
    EXPECT_EQ(Rows(dlg.m_listAction), (std::vector<std::string>{"Key3|Press|Repeat Delay Time: 0.0S|*"}));
    EXPECT_EQ(Rows(dlg.m_listEvent), events);
    EXPECT_EQ(dlg.m_keys[2].m_arrSlots[0], (CStringArray{"LTOG : Lamp : 2 : 0 : 0", "RELY : 1 : 0 : 0"}));
    m_prompter.QueueFile(Path("road2.dvp"));
    dlg.OnFileSaveAs();
    EXPECT_EQ(ReadBytes(Path("road2.dvp")), saved);
}
