// The IR event page: library lookup, the INFR text, Add and Edit through the
// main window, the port rules, re-loading and the library editor.
#include "controls/cqvmirlistctrl.h"
#include "editors/cdlgireditlib.h"
#include "editors/cpageview3ir.h"
#include "editors/eventpagefactory.h"
#include "eventpagefixture.h"
#include "libraryfilebytes.h"
#include "support/filecontent.h"
#include "support/screenshot.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTabWidget>

namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

// A full learned code: 198 hex digits.
const std::string kPowerCode = Repeat("0a1b2c", 33);
const std::string kMuteCode = Repeat("ff00", 49) + "ee";

class IrPageTest : public EventPageTest {
protected:
    void WriteLibrary(const QString& fileName, const std::string& bytes) {
        ASSERT_TRUE(WriteFileBytes(GetLibraryPath() + "/" + fileName, bytes));
    }
    // Library "TV" in TV.irr with three functions, listed out of order.
    void WriteTv() {
        WriteLibrary("TV.irr",
                     IrrBytes("TV", {"Power : " + kPowerCode, "mute : " + kMuteCode, "Input : 01"}));
    }
    CPageView3Ir* Page() { return PageAt<CPageView3Ir>(kPageIr); }
    // Change Lib with the file chosen in the file dialog.
    void ChangeLib(CPageView3Ir* page, const QString& fileName) {
        m_prompter.QueueFile(GetLibraryPath() + "/" + fileName);
        Click(page->m_btnChangeLib);
    }
    static std::vector<std::string> Entries(const QComboBox* combo) {
        std::vector<std::string> out;
        for (int i = 0; i < combo->count(); ++i)
            out.push_back(combo->itemText(i).toStdString());
        return out;
    }
};

} // namespace

TEST(IrEventText, IsBuiltFromTheEntryAndTheChoices) {
    EXPECT_EQ(CPageView3Ir::FormatEventText("TV", "Power : 0a1b2c", 1, 1, 1, 3, 5),
              "INFR : TV : Power : 1 : 1 : 1 : 3 : 5 : c6 : 0a1b2c");
    // The name is trimmed, the code loses its leading blanks only; the
    // library name is taken as it stands.
    EXPECT_EQ(CPageView3Ir::FormatEventText(" TV", "  Vol+ :  0a1b ", 0, 0, 0, 1, 1),
              "INFR :  TV : Vol+ : 0 : 0 : 0 : 1 : 1 : c6 : 0a1b ");
    // No colon: no name, the whole entry is the code.
    EXPECT_EQ(CPageView3Ir::FormatEventText("TV", "0a1b", 2, 1, 0, 99, 1),
              "INFR : TV :  : 2 : 1 : 0 : 99 : 1 : c6 : 0a1b");
}

TEST_F(IrPageTest, StartsAsTheSecondTabWithItsDefaults) {
    CravloDlg& dlg = Start();
    CPageView3Ir* page = Page();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(dlg.m_tabEvents->tabText(kPageIr), QString("IR"));
    EXPECT_EQ(Entries(page->m_comboActive), (std::vector<std::string>{"Send Once", "Send Multiple"}));
    EXPECT_EQ(page->m_comboActive->currentIndex(), 0);
    EXPECT_EQ(Entries(page->m_comboCarrier), (std::vector<std::string>{"Off", "On"}));
    EXPECT_EQ(page->m_comboCarrier->currentIndex(), 1);
    EXPECT_EQ(Entries(page->m_comboPort), (std::vector<std::string>{"Port 1", "Port 2", "Port 3"}));
    EXPECT_EQ(page->m_comboPort->currentIndex(), 0);
    EXPECT_EQ(page->m_comboFunction->count(), 0);
    EXPECT_TRUE(page->m_editLibName->isReadOnly());
    for (QSlider* slider : {page->m_sliderRepeat, page->m_sliderDelay}) {
        EXPECT_EQ(slider->minimum(), 1);
        EXPECT_EQ(slider->maximum(), 99);
        EXPECT_EQ(slider->value(), 1);
    }
    EXPECT_EQ(page->m_editRepeat->text(), QString("1"));
    EXPECT_EQ(page->m_labelRepeat->text(), QString("Send No. of Transmission Strings"));
    EXPECT_EQ(page->m_labelDelay->text(), QString("Delay Time between String"));
    for (QWidget* w : std::vector<QWidget*>{page->m_labelRepeat, page->m_sliderRepeat, page->m_editRepeat,
                                            page->m_labelDelay, page->m_sliderDelay, page->m_editDelay})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_TRUE(page->DropsEnter());
    EXPECT_TRUE(page->DropsEscape());
}

TEST_F(IrPageTest, ChangeLibShowsTheStoredNameAndTheSortedFunctions) {
    // The file's name and the name stored inside differ.
    WriteLibrary("living.irr",
                 IrrBytes("TV", {"Power : " + kPowerCode, "mute : " + kMuteCode, "Input : 01"}));
    CravloDlg& dlg = Start();
    CPageView3Ir* page = Page();
    dlg.SelectEventPage(kPageIr);
    ChangeLib(page, "living.irr");
    ASSERT_EQ(m_prompter.FileRequests().size(), 1u);
    EXPECT_FALSE(m_prompter.FileRequests()[0].save);
    EXPECT_EQ(m_prompter.FileRequests()[0].folder, GetLibraryPath());
    EXPECT_EQ(page->m_editLibName->text(), QString("TV"));
    EXPECT_EQ(Entries(page->m_comboFunction), (std::vector<std::string>{"Input", "mute", "Power"}));
    EXPECT_EQ(page->m_comboFunction->currentIndex(), 0);
    SaveScreenshot(dlg, "cpageview3ir.png");

    // The lookup wants a file named after the stored name: there is none.
    AddPressAction(0);
    Click(page->m_btnAdd);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"No Such Lib"});
    EXPECT_EQ(SelectedEvents(), CStringArray{""});
}

TEST_F(IrPageTest, AddPutsTheExactTextIntoTheKeyActionAndTheEventList) {
    WriteTv();
    CravloDlg& dlg = StartWithAction();
    dlg.m_nPortMode = 3;
    CPageView3Ir* page = Page();
    dlg.SelectEventPage(kPageIr);
    ChangeLib(page, "TV.irr");
    page->m_comboFunction->setCurrentIndex(2); // Power
    page->m_comboPort->setCurrentIndex(1);
    page->m_comboActive->setCurrentIndex(1);
    page->m_editRepeat->setText("3");
    page->m_editDelay->setText("5");
    Click(page->m_btnAdd);
    EXPECT_TRUE(m_prompter.Texts().empty());
    const std::string power = "INFR : TV : Power : 1 : 1 : 1 : 3 : 5 : c6 : " + kPowerCode;
    EXPECT_EQ(SelectedEvents(), CStringArray{power});
    EXPECT_EQ(Column(dlg.m_listEvent, 1), std::vector<std::string>{"IR"});
    EXPECT_EQ(Column(dlg.m_listEvent, 2),
              std::vector<std::string>{"Lib:TV,Fun:Power,Port:2,Send No.:3,Time:5"});

    // Send Once still carries the sliders' positions; the controls kept
    // their values, so the next Add needs only the changes.
    page->m_comboFunction->setCurrentIndex(1); // mute
    page->m_comboActive->setCurrentIndex(0);
    page->m_comboCarrier->setCurrentIndex(0);
    Click(page->m_btnAdd);
    EXPECT_EQ(SelectedEvents(),
              (CStringArray{power, "INFR : TV : mute : 1 : 0 : 0 : 3 : 5 : c6 : " + kMuteCode}));
    EXPECT_EQ(Column(dlg.m_listEvent, 2),
              (std::vector<std::string>{"Lib:TV,Fun:Power,Port:2,Send No.:3,Time:5",
                                        "Lib:TV,Fun:mute,Port:2,Send Once"}));
}

TEST_F(IrPageTest, TheLookupRunsFirstAndNamesWhatIsMissing) {
    WriteTv();
    WriteLibrary("Broken.irr", IrrBytes("Broken", {"A : 01"}).substr(0, 12));
    CravloDlg& dlg = Start(); // no key action yet
    CPageView3Ir* page = Page();
    dlg.SelectEventPage(kPageIr);

    // The lookup comes before the Action List check.
    Click(page->m_btnAdd);
    Click(page->m_btnEdit);
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"Lib name is empty", "Lib name is empty"}));

    m_prompter.Clear();
    page->LoadEvent("INFR : TV : Gone : 0 : 1 : 0 : 1 : 1 : c6 : 01");
    Click(page->m_btnAdd); // "Gone" is no entry of the box: nothing selected
    page->m_comboFunction->setCurrentIndex(0);
    Click(page->m_btnAdd); // a library and function: now the list check
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{"Funciton name is empty", "Please add an action in action list"}));

    // The library changed since it was read onto the page.
    m_prompter.Clear();
    page->m_comboFunction->setCurrentIndex(0); // Input
    WriteLibrary("TV.irr", IrrBytes("TV", {"Power : 01"}));
    Click(page->m_btnAdd);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"No Such Function"});

    // A damaged file is refused, not half read.
    m_prompter.Clear();
    page->m_editLibName->setText("Broken");
    Click(page->m_btnAdd);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"the lib is destroyed"});
    EXPECT_TRUE(page->m_irLib.m_arrFunctions.empty());
}

TEST_F(IrPageTest, ChangeLibRefusesADamagedFileAndEmptiesThePage) {
    WriteTv();
    WriteLibrary("Broken.irr", IrrBytes("Broken", {"A : 01", "B : 02"}).substr(0, 15));
    Start();
    CPageView3Ir* page = Page();
    ChangeLib(page, "TV.irr");
    ASSERT_EQ(page->m_comboFunction->count(), 3);
    ChangeLib(page, "Broken.irr");
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"The File is already destroyed"});
    EXPECT_EQ(page->m_editLibName->text(), QString());
    EXPECT_EQ(page->m_comboFunction->count(), 0);
    EXPECT_TRUE(page->m_irLib.m_arrFunctions.empty());
    EXPECT_EQ(page->m_irLib.m_strName, "");

    // Re-loading an event of that library says so too; a missing one does not.
    m_prompter.Clear();
    page->LoadEvent("INFR : Broken : A : 0 : 1 : 0 : 1 : 1 : c6 : 01");
    page->LoadEvent("INFR : Gone : A : 0 : 1 : 0 : 1 : 1 : c6 : 01");
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"the lib is destroyed"});
    EXPECT_EQ(page->m_comboFunction->count(), 0);
}

TEST_F(IrPageTest, EditReplacesTheSelectedEvent) {
    WriteTv();
    CravloDlg& dlg = StartWithAction();
    dlg.m_nPortMode = 3;
    CPageView3Ir* page = Page();
    ChangeLib(page, "TV.irr");
    page->m_comboFunction->setCurrentIndex(2); // Power
    Click(page->m_btnEdit);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Please add a event in event List"});
    Click(page->m_btnAdd);
    Click(page->m_btnAdd);
    dlg.m_listEvent->DeselectAll();
    m_prompter.Clear();
    Click(page->m_btnEdit);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Please select the event to edit"});

    ClickRow(dlg.m_listEvent, 1);
    page->m_comboFunction->setCurrentIndex(0); // Input
    page->m_comboPort->setCurrentIndex(2);
    Click(page->m_btnEdit);
    const std::string power = "INFR : TV : Power : 0 : 1 : 0 : 1 : 1 : c6 : " + kPowerCode;
    EXPECT_EQ(SelectedEvents(), (CStringArray{power, "INFR : TV : Input : 2 : 1 : 0 : 1 : 1 : c6 : 01"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 2), (std::vector<std::string>{"Lib:TV,Fun:Power,Port:1,Send Once",
                                                                    "Lib:TV,Fun:Input,Port:3,Send Once"}));
}

TEST_F(IrPageTest, PortsAreRefusedByPortModeOnModelsZeroAndOne) {
    WriteTv();
    CravloDlg& dlg = StartWithAction();
    CPageView3Ir* page = Page();
    ChangeLib(page, "TV.irr");
    struct Case {
        int model, portMode, port;
        const char* refusal; // nullptr: accepted
    };
    const Case cases[] = {
        {0, 0, 0, nullptr},
        {0, 0, 1, "Port 2 and port 3 are unavailable in this setting,\rplease select port 1"},
        {1, 0, 2, "Port 2 and port 3 are unavailable in this setting,\rplease select port 1"},
        {0, 1, 2, "Port 3 is unavailable in this setting,\rplease select port 1 or 2"},
        {1, 1, 1, nullptr},
        {0, 2, 1, "Port 2 is unavailable in this setting,\rplease select port 1 or 3"},
        {0, 2, 2, nullptr},
        {0, 3, 1, nullptr},
        {1, 3, 2, nullptr},
        {2, 0, 2, nullptr},
        {2, 2, 1, nullptr},
    };
    for (const Case& c : cases) {
        m_prompter.Clear();
        dlg.m_nModel = c.model;
        dlg.m_nPortMode = c.portMode;
        page->m_comboPort->setCurrentIndex(c.port);
        m_prompter.QueueAnswer(prompt::Answer::Ok); // OK in the question adds nothing either
        Click(page->m_btnAdd);
        if (c.refusal) {
            EXPECT_EQ(m_prompter.Texts(),
                      std::vector<std::string>{std::string("IR selection port |") + c.refusal})
                << c.model << c.portMode << c.port;
        } else {
            EXPECT_TRUE(m_prompter.Texts().empty()) << c.model << c.portMode << c.port;
        }
    }
    // The seven accepted Adds, in order; the first replaced the placeholder.
    const auto text = [](const char* port) {
        return std::string("INFR : TV : Input : ") + port + " : 1 : 0 : 1 : 1 : c6 : 01";
    };
    EXPECT_EQ(SelectedEvents(),
              (CStringArray{text("0"), text("1"), text("2"), text("1"), text("2"), text("2"), text("1")}));
}

TEST_F(IrPageTest, PickingAnIrEventLoadsItBackOntoThePage) {
    WriteTv();
    CravloDlg& dlg = StartWithAction();
    dlg.AddEvent(0, 0, "INFR : TV : POWER : 2 : 0 : 1 : 150 : 7 : c6 : 01");
    dlg.AddEventRow("INFR : TV : POWER : 2 : 0 : 1 : 150 : 7 : c6 : 01");
    dlg.AddEvent(0, 0, "INFR : Gone : Power : 5 : 1 : 2 :  : 9 : c6 : 01");
    dlg.AddEventRow("INFR : Gone : Power : 5 : 1 : 2 :  : 9 : c6 : 01");
    dlg.SelectEventPage(kPageRelay);
    CPageView3Ir* page = Page();

    ClickRow(dlg.m_listEvent, 0);
    EXPECT_EQ(dlg.m_tabEvents->currentIndex(), kPageIr);
    EXPECT_EQ(page->m_editLibName->text(), QString("TV"));
    EXPECT_EQ(Entries(page->m_comboFunction), (std::vector<std::string>{"Input", "mute", "Power"}));
    EXPECT_EQ(page->m_comboFunction->currentText(), QString("Power")); // found without regard to case
    EXPECT_EQ(page->m_comboPort->currentIndex(), 2);
    EXPECT_EQ(page->m_comboCarrier->currentIndex(), 0);
    EXPECT_EQ(page->m_comboActive->currentIndex(), 1);
    EXPECT_EQ(page->m_sliderRepeat->value(), 99);
    EXPECT_EQ(page->m_editRepeat->text(), QString("150"));
    EXPECT_EQ(page->m_sliderDelay->value(), 7);
    EXPECT_FALSE(page->m_sliderRepeat->isHidden());
    EXPECT_FALSE(page->m_editDelay->isHidden());

    // A missing library, a port the box does not have, send mode 2 and an
    // empty count.
    ClickRow(dlg.m_listEvent, 1);
    EXPECT_EQ(page->m_editLibName->text(), QString("Gone"));
    EXPECT_EQ(page->m_comboFunction->count(), 0);
    EXPECT_EQ(page->m_comboPort->currentIndex(), -1);
    EXPECT_EQ(page->m_comboActive->currentIndex(), -1);
    EXPECT_EQ(page->m_sliderRepeat->value(), 1);
    EXPECT_EQ(page->m_editRepeat->text(), QString("1"));
    EXPECT_EQ(page->m_sliderDelay->value(), 9);
    for (QWidget* w : std::vector<QWidget*>{page->m_labelRepeat, page->m_sliderRepeat, page->m_editRepeat})
        EXPECT_TRUE(w->isHidden());
    for (QWidget* w : std::vector<QWidget*>{page->m_labelDelay, page->m_sliderDelay, page->m_editDelay})
        EXPECT_FALSE(w->isHidden());
    EXPECT_TRUE(m_prompter.Texts().empty());
    Click(page->m_btnEdit);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Funciton name is empty"});
}

TEST_F(IrPageTest, AReloadedEventWithoutAPortCarrierOrSendModeIsNotWrittenBack) {
    WriteTv();
    CravloDlg& dlg = StartWithAction();
    dlg.m_nPortMode = 3; // no port refused by the port mode
    const std::string text = "INFR : TV : Input : 5 : 7 : 2 : 1 : 4 : c6 : 01";
    dlg.AddEvent(0, 0, text);
    dlg.AddEventRow(text);
    CPageView3Ir* page = Page();
    ClickRow(dlg.m_listEvent, 0);
    ASSERT_EQ(page->m_comboPort->currentIndex(), -1);
    ASSERT_EQ(page->m_comboCarrier->currentIndex(), -1);
    ASSERT_EQ(page->m_comboActive->currentIndex(), -1);

    // Each box without a selection refuses the event in turn, by its name.
    Click(page->m_btnEdit);
    page->m_comboPort->setCurrentIndex(1);
    Click(page->m_btnEdit);
    page->m_comboCarrier->setCurrentIndex(0);
    Click(page->m_btnAdd);
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"no selecte port", "Please select the carrier",
                                                            "Please select the send mode"}));
    EXPECT_EQ(SelectedEvents(), CStringArray{text});

    page->m_comboActive->setCurrentIndex(1);
    Click(page->m_btnEdit);
    EXPECT_EQ(SelectedEvents(), CStringArray{"INFR : TV : Input : 1 : 0 : 1 : 1 : 4 : c6 : 01"});
    EXPECT_EQ(m_prompter.Texts().size(), 3u);
}

TEST_F(IrPageTest, ARepeatTypedAboveNinetyNineIsSentAsNinetyNine) {
    WriteTv();
    CravloDlg& dlg = StartWithAction();
    CPageView3Ir* page = Page();
    dlg.SelectEventPage(kPageIr);
    ChangeLib(page, "TV.irr");
    QTest::keyClick(page->m_comboActive, Qt::Key_Down); // the user chooses "Send Multiple"
    EXPECT_EQ(page->m_comboActive->currentIndex(), 1);
    EXPECT_FALSE(page->m_editRepeat->isHidden());
    EXPECT_FALSE(page->m_sliderDelay->isHidden());
    page->m_editRepeat->clear();
    QTest::keyClicks(page->m_editRepeat, "150");
    EXPECT_EQ(page->m_sliderRepeat->value(), 99);
    EXPECT_EQ(page->m_editRepeat->text(), QString("150"));
    SaveScreenshot(*page, "cpageview3ir_multiple.png");
    Click(page->m_btnAdd);
    EXPECT_EQ(SelectedEvents(), CStringArray{"INFR : TV : Input : 0 : 1 : 1 : 99 : 1 : c6 : 01"});
    EXPECT_EQ(Column(dlg.m_listEvent, 2),
              std::vector<std::string>{"Lib:TV,Fun:Input,Port:1,Send No.:99,Time:1"});
}

TEST_F(IrPageTest, EditLibOpensTheEditorOnThePagesLibraryAndFunction) {
    WriteTv();
    Start();
    CPageView3Ir* page = Page();
    ChangeLib(page, "TV.irr");
    page->m_comboFunction->setCurrentIndex(1); // mute
    std::string shownName;
    std::vector<std::string> selected;
    OnModalOf<CDlgIREditLib>([&](CDlgIREditLib* editor) {
        shownName = editor->m_editLibName->text().toStdString();
        for (int row = 0; row < editor->m_listCodes->GetItemCount(); ++row)
            if (editor->m_listCodes->IsItemSelected(row))
                selected.push_back(editor->m_listCodes->GetItemText(row, 1));
        SaveScreenshot(*editor, "cdlgireditlib_frompage.png");
        editor->m_btnCancel->click();
    });
    Click(page->m_btnEditLib);
    EXPECT_EQ(shownName, "TV");
    EXPECT_EQ(selected, std::vector<std::string>{"mute"});

    // With no library the editor still opens, empty.
    ChangeLib(page, "none.irr");
    m_prompter.Clear();
    int rows = -1;
    OnModalOf<CDlgIREditLib>([&](CDlgIREditLib* editor) {
        rows = editor->m_listCodes->GetItemCount();
        editor->m_btnOk->click();
    });
    Click(page->m_btnEditLib);
    EXPECT_EQ(rows, 0);
    EXPECT_TRUE(m_prompter.Texts().empty());
}
