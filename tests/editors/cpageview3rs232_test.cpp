// The RS232 event page: the UART text from its controls, Add and Edit
// through the main window, the port rules, the data formats, library
// functions and re-loading.
#include "controls/crs232edit.h"
#include "editors/cdlgrs232editlib.h"
#include "editors/cpageview3rs232.h"
#include "editors/eventpagefactory.h"
#include "eventpagefixture.h"
#include "libraryfilebytes.h"
#include "support/comboinput.h"
#include "support/filecontent.h"
#include "support/screenshot.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

namespace {

using Strings = std::vector<std::string>;

const std::string kPowerOn = Rs232Record("Power On", "19200", "7", "2", "EVEN", 0, 1, 5, "PWON\x0d");
const std::string kInput = Rs232Record("input", "4800", "8", "1.5", "NONE", 1, 0, 3, "\x01\xa0\x0f");

class Rs232PageTest : public EventPageTest {
protected:
    void WriteLibrary(const QString& fileName, const std::string& bytes) {
        ASSERT_TRUE(WriteFileBytes(GetLibraryPath() + "/" + fileName, bytes));
    }
    CPageView3Rs232* Page() { return PageAt<CPageView3Rs232>(kPageRs232); }
    void ChangeLib(CPageView3Rs232* page, const QString& fileName) {
        m_prompter.QueueFile(GetLibraryPath() + "/" + fileName);
        Click(page->m_btnChangeLib);
    }
    static void ClickRadio(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static std::array<QWidget*, 6> SendControls(const CPageView3Rs232* p) {
        return {p->m_staticRepeat, p->m_sliderRepeat, p->m_editRepeat,
                p->m_staticDelay,  p->m_sliderDelay,  p->m_editDelay};
    }
    // Which of the repeat and delay controls are hidden, in that order.
    static std::vector<bool> Hidden(const CPageView3Rs232* p) {
        std::vector<bool> out;
        for (QWidget* w : SendControls(p))
            out.push_back(w->isHidden());
        return out;
    }
    static bool EndCharHidden(const CPageView3Rs232* p) {
        return p->m_staticEndChar->isHidden() && p->m_radioEndNone->isHidden() &&
               p->m_radioEndCr->isHidden() && p->m_radioEndCrLf->isHidden();
    }
};

const std::vector<bool> kNoneHidden(6, false);
const std::vector<bool> kAllHidden(6, true);

} // namespace

TEST_F(Rs232PageTest, FreshPageAddsTheExactTextToTheKeyActionAndTheEventList) {
    CravloDlg& dlg = StartWithAction();
    CPageView3Rs232* page = Page();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(dlg.m_tabEvents->tabText(kPageRs232), QString("RS232"));
    EXPECT_EQ(ComboEntries(page->m_comboActive), (QStringList{"Send Once", "Send Multiple"}));
    EXPECT_EQ(ComboEntries(page->m_comboPort), (QStringList{"Port 1", "Port 2", "Port 3"}));
    EXPECT_EQ(ComboEntries(page->m_comboBaud),
              (QStringList{"2400", "4800", "9600", "14400", "19200", "38400", "57600", "115200"}));
    EXPECT_EQ(page->m_comboBaud->currentText(), QString("9600"));
    EXPECT_EQ(ComboEntries(page->m_comboDataBit), (QStringList{"7", "8"}));
    EXPECT_EQ(page->m_comboDataBit->currentText(), QString("8"));
    EXPECT_EQ(page->m_comboStopBit->currentText(), QString("1"));
    EXPECT_EQ(ComboEntries(page->m_comboParity), (QStringList{"NONE", "ODD", "EVEN"}));
    EXPECT_TRUE(page->m_radioAscii->isChecked());
    EXPECT_TRUE(page->m_radioEndNone->isChecked());
    EXPECT_EQ(page->m_radioEndCr->text(), QString("Enter"));
    EXPECT_EQ(page->m_radioEndCrLf->text(), QString("Carriage Return"));
    EXPECT_EQ(page->m_staticEndChar->title(), QString("End Char For Ascii Format"));
    EXPECT_EQ(page->m_staticRepeat->text(), QString("Send No. of Transmission Strings"));
    EXPECT_EQ(page->m_staticDelay->text(), QString("Delay Time between String"));
    EXPECT_EQ(Hidden(page), kAllHidden);
    for (QSlider* slider : {page->m_sliderRepeat, page->m_sliderDelay}) {
        EXPECT_EQ(slider->minimum(), 1);
        EXPECT_EQ(slider->maximum(), 99);
        EXPECT_EQ(slider->value(), 1);
    }
    EXPECT_EQ(page->m_editDelay->text(), QString("1"));
    EXPECT_EQ(page->m_comboLibFunction->count(), 0);
    EXPECT_TRUE(page->m_editLibName->isReadOnly());
    EXPECT_FALSE(page->m_editData->m_bHexMode);
    EXPECT_TRUE(page->DropsEnter());
    EXPECT_FALSE(page->DropsEscape());

    dlg.SelectEventPage(kPageRs232);
    QTest::keyClicks(page->m_editData, "PWON");
    Click(page->m_btnAdd);
    EXPECT_TRUE(m_prompter.Texts().empty());
    const std::string pwon = "UART :  :  :  : 9600 : 1 : 0 : 0 : 0 : 0 : 0 : 0 : 1 : 1 :1 :PWON";
    EXPECT_EQ(SelectedEvents(), CStringArray{pwon});
    EXPECT_EQ(Column(dlg.m_listEvent, 0), Strings{"1"});
    EXPECT_EQ(Column(dlg.m_listEvent, 1), Strings{"RS232"});
    EXPECT_EQ(Column(dlg.m_listEvent, 2), Strings{"Baud:9600,Port:1,Send Once"});
    EXPECT_EQ(page->m_nKey, 0);
    EXPECT_EQ(page->m_nSlot, 0);

    // The controls keep their values: the same event again at once.
    Click(page->m_btnAdd);
    EXPECT_EQ(SelectedEvents(), (CStringArray{pwon, pwon}));
    EXPECT_EQ(Column(dlg.m_listEvent, 0), (Strings{"1", "2"}));
}

TEST_F(Rs232PageTest, EveryControlReachesItsField) {
    CravloDlg& dlg = StartWithAction();
    CPageView3Rs232* page = Page();
    dlg.SelectEventPage(kPageRs232);

    ChooseEntry(page->m_comboActive, 1);
    EXPECT_EQ(Hidden(page), kNoneHidden);
    // Above the maximum: the slider goes to 99, the typed text stays.
    page->m_editRepeat->setText("150");
    EXPECT_EQ(page->m_sliderRepeat->value(), 99);
    EXPECT_EQ(page->m_editRepeat->text(), QString("150"));
    page->m_editDelay->setText("5");
    ChooseEntry(page->m_comboPort, 2);
    ChooseEntry(page->m_comboBaud, QString("19200"));
    ChooseEntry(page->m_comboDataBit, QString("7"));
    EXPECT_EQ(ComboEntries(page->m_comboParity), (QStringList{"ODD", "EVEN"}));
    EXPECT_EQ(page->m_comboParity->currentText(), QString("ODD"));
    ChooseEntry(page->m_comboStopBit, QString("1.5"));
    QTest::keyClicks(page->m_editEventName, " Pro:j");
    EXPECT_EQ(page->m_editEventName->text(), QString(" Proj")) << "a colon would split the field";
    QTest::keyClicks(page->m_editData, " A:B ");
    Click(page->m_btnAdd);
    EXPECT_EQ(SelectedEvents(),
              CStringArray{"UART :  Proj :  :  : 19200 : 0 : 1 : 1 : 0 : 0 : 2 : 1 : 99 : 5 :5 : A:B "});
    EXPECT_EQ(Column(dlg.m_listEvent, 2), Strings{"Proj,Baud:19200,Port:3,Send No.:99,Time:5"});

    ChooseEntry(page->m_comboDataBit, QString("8"));
    EXPECT_EQ(ComboEntries(page->m_comboParity), (QStringList{"NONE", "ODD", "EVEN"}));
    EXPECT_EQ(page->m_comboParity->currentText(), QString("NONE"));
    ChooseEntry(page->m_comboActive, 0);
    EXPECT_EQ(Hidden(page), kAllHidden);
}

TEST_F(Rs232PageTest, DataFormatsConvertAndFilter) {
    CravloDlg& dlg = StartWithAction();
    CPageView3Rs232* page = Page();
    dlg.SelectEventPage(kPageRs232);

    QTest::keyClicks(page->m_editData, "PWON");
    ClickRadio(page->m_radioEndCr);
    ClickRadio(page->m_radioHex);
    EXPECT_EQ(page->m_editData->text(), QString("50 57 4f 4e 0d"));
    EXPECT_TRUE(EndCharHidden(page));
    EXPECT_TRUE(page->m_editData->m_bHexMode);
    // Hex once more converts nothing; typing takes hex digits only.
    ClickRadio(page->m_radioHex);
    QTest::keyClicks(page->m_editData, " G,1");
    EXPECT_EQ(page->m_editData->text(), QString("50 57 4f 4e 0d 1"));
    Click(page->m_btnAdd);
    EXPECT_EQ(SelectedEvents(),
              CStringArray{"UART :  :  :  : 9600 : 1 : 0 : 0 : 1 : 1 : 0 : 0 : 1 : 1 :1 :50 57 4f 4e 0d 1"});

    // Back to ASCII empties the data.
    ClickRadio(page->m_radioAscii);
    EXPECT_EQ(page->m_editData->text(), QString());
    EXPECT_FALSE(EndCharHidden(page));
    EXPECT_FALSE(page->m_editData->m_bHexMode);

    QTest::keyClicks(page->m_editData, "PWON");
    ClickRadio(page->m_radioEndCrLf);
    ClickRadio(page->m_radioHex);
    EXPECT_EQ(page->m_editData->text(), QString("50 57 4f 4e 0d 0a"));

    Click(page->m_btnClear);
    EXPECT_EQ(page->m_editData->text(), QString());
}

TEST_F(Rs232PageTest, AddAndEditRefuseInTheirOrder) {
    CravloDlg& dlg = Start(); // no key action yet
    CPageView3Rs232* page = Page();
    dlg.SelectEventPage(kPageRs232);
    page->m_editData->setText(" \t ");
    Click(page->m_btnAdd);
    Click(page->m_btnEdit);
    page->m_editData->setText("X");
    Click(page->m_btnAdd);
    Click(page->m_btnEdit); // the Event List comes first on Edit
    EXPECT_EQ(m_prompter.Texts(),
              (Strings{"Please input data or select RS232 lib", "Please input data or select RS232 lib",
                       "Please add an action in action list", "Please add a event in event List"}));

    m_prompter.Clear();
    AddPressAction(0);
    Click(page->m_btnEdit); // the blank placeholder shows no row
    Click(page->m_btnAdd);
    Click(page->m_btnAdd);
    page->m_editData->setText("Y");
    Click(page->m_btnEdit);
    EXPECT_EQ(m_prompter.Texts(),
              (Strings{"Please add a event in event List", "Please select the event to edit"}));

    // Edit replaces the selected event and rewrites its row.
    ClickRow(dlg.m_listEvent, 1);
    page->m_editData->setText("Y");
    ChooseEntry(page->m_comboPort, 1);
    Click(page->m_btnEdit);
    const std::string x = "UART :  :  :  : 9600 : 1 : 0 : 0 : 0 : 0 : 0 : 0 : 1 : 1 :1 :X";
    EXPECT_EQ(SelectedEvents(),
              (CStringArray{x, "UART :  :  :  : 9600 : 1 : 0 : 0 : 0 : 0 : 1 : 0 : 1 : 1 :1 :Y"}));
    EXPECT_EQ(Column(dlg.m_listEvent, 2),
              (Strings{"Baud:9600,Port:1,Send Once", "Baud:9600,Port:2,Send Once"}));
    EXPECT_EQ(m_prompter.Texts().size(), 2u);
}

TEST_F(Rs232PageTest, PortRulesByModelAndPortMode) {
    CravloDlg& dlg = StartWithAction();
    CPageView3Rs232* page = Page();
    dlg.SelectEventPage(kPageRs232);
    page->m_editData->setText("D");
    const std::string onlyPort3 = "Port 1 and port 2 are unavailable in this setting,\rplease select port 3";

    dlg.m_nPortMode = 3;
    for (int port : {0, 1}) {
        ChooseEntry(page->m_comboPort, port);
        m_prompter.QueueAnswer(prompt::Answer::Ok); // the answer does not matter
        Click(page->m_btnAdd);
    }
    EXPECT_EQ(m_prompter.Texts(),
              (Strings{"Rs232 selection port |" + onlyPort3, "Rs232 selection port |" + onlyPort3}));
    EXPECT_EQ(SelectedEvents(), CStringArray{""});
    ChooseEntry(page->m_comboPort, 2);
    Click(page->m_btnAdd);
    EXPECT_EQ(SelectedEvents().size(), 1u);
    EXPECT_EQ(m_prompter.Texts().size(), 2u);

    // Edit asks under its own title.
    m_prompter.Clear();
    ClickRow(dlg.m_listEvent, 0);
    dlg.m_nPortMode = 1;
    ChooseEntry(page->m_comboPort, 0);
    Click(page->m_btnEdit);
    EXPECT_EQ(
        m_prompter.Texts(),
        Strings{"RS232 selection port |Port 1 is unavailable in this setting,\rplease select port 2 or 3"});
    dlg.m_nPortMode = 2;
    ChooseEntry(page->m_comboPort, 1);
    Click(page->m_btnAdd);
    EXPECT_EQ(m_prompter.Texts().back(),
              "Rs232 selection port |Port 2 is unavailable in this setting,\rplease select port 1 or 3");
    EXPECT_EQ(SelectedEvents().size(), 1u);

    // Port mode 0 and model 2 refuse nothing.
    m_prompter.Clear();
    dlg.m_nPortMode = 0;
    Click(page->m_btnAdd);
    dlg.m_nPortMode = 3;
    dlg.m_nModel = 2;
    ChooseEntry(page->m_comboPort, 0);
    Click(page->m_btnAdd);
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(SelectedEvents().size(), 3u);
}

TEST_F(Rs232PageTest, ReloadingPutsTheFieldsBack) {
    CravloDlg& dlg = StartWithAction();
    CPageView3Rs232* page = Page();
    const std::string text = "UART : ev : lib : f1 : 19200 : 0 : 1 : 2 : 0 : 1 : 2 : 1 : 3 : 5 :5 :AB";
    dlg.AddEvent(0, 0, "RELY : 0 : 0 : 0");
    dlg.AddEventRow("RELY : 0 : 0 : 0");
    dlg.AddEvent(0, 0, text);
    dlg.AddEventRow(text);

    // Picking the row selects the page and loads the event.
    ClickRow(dlg.m_listEvent, 1);
    EXPECT_EQ(dlg.m_tabEvents->currentIndex(), kPageRs232);
    EXPECT_EQ(page->m_editLibName->text(), QString("lib"));
    EXPECT_EQ(page->m_comboLibFunction->count(), 0) << "no such library: an empty list, no message";
    EXPECT_EQ(page->m_comboBaud->currentText(), QString("19200"));
    EXPECT_EQ(page->m_comboDataBit->currentText(), QString("7"));
    EXPECT_EQ(page->m_comboStopBit->currentText(), QString("1.5"));
    EXPECT_EQ(page->m_comboParity->currentText(), QString("EVEN"));
    EXPECT_TRUE(page->m_radioAscii->isChecked());
    EXPECT_TRUE(page->m_radioEndCr->isChecked());
    EXPECT_FALSE(EndCharHidden(page));
    EXPECT_EQ(page->m_comboPort->currentText(), QString("Port 3"));
    EXPECT_EQ(page->m_comboActive->currentText(), QString("Send Multiple"));
    EXPECT_EQ(page->m_sliderRepeat->value(), 3);
    EXPECT_EQ(page->m_editRepeat->text(), QString("3"));
    EXPECT_EQ(page->m_sliderDelay->value(), 5);
    EXPECT_EQ(Hidden(page), kNoneHidden);
    EXPECT_EQ(page->m_editData->text(), QString("AB"));
    EXPECT_EQ(page->m_editEventName->text(), QString("ev"));
    EXPECT_TRUE(m_prompter.Texts().empty());
    SaveScreenshot(dlg, "cpageview3rs232.png");

    // Edit writes it back; the function name goes with the list, which
    // has no library to fill it.
    Click(page->m_btnEdit);
    EXPECT_EQ(SelectedEvents(),
              (CStringArray{"RELY : 0 : 0 : 0",
                            "UART : ev : lib :  : 19200 : 0 : 1 : 2 : 0 : 1 : 2 : 1 : 3 : 5 :5 :AB"}));

    // Hex, send mode 2 (only the delay shows), an empty count; the user's
    // choice of 7 data bits left the parity list without NONE.
    ChooseEntry(page->m_comboDataBit, QString("7"));
    page->LoadEvent("UART :  :  :  : 2400 : 1 : 0 : 0 : 1 : 0 : 0 : 2 :  : 7 :7 :0a ff");
    EXPECT_TRUE(page->m_radioHex->isChecked());
    EXPECT_TRUE(EndCharHidden(page));
    EXPECT_TRUE(page->m_editData->m_bHexMode) << "the typing filter follows the format";
    EXPECT_EQ(page->m_comboDataBit->currentText(), QString("8"));
    EXPECT_EQ(page->m_comboParity->currentText(), QString("NONE"))
        << "the list had only ODD and EVEN: NONE comes back rather than a wrong parity";
    EXPECT_EQ(Hidden(page), (std::vector<bool>{true, true, true, false, false, false}));
    EXPECT_EQ(page->m_sliderRepeat->value(), 1);
    EXPECT_EQ(page->m_editRepeat->text(), QString("1"));
    EXPECT_EQ(page->m_sliderDelay->value(), 7);
    EXPECT_EQ(page->m_comboActive->currentIndex(), -1) << "no entry for send mode 2";

    // Codes outside their lists leave the lists as they were.
    page->LoadEvent("UART :  :  :  : 300 : 5 :  : 9 : 0 : 0 : 7 : 0 : 1 : 1 :1 :x");
    EXPECT_EQ(page->m_comboBaud->currentText(), QString("2400"));
    EXPECT_EQ(page->m_comboDataBit->currentText(), QString("8"));
    EXPECT_EQ(page->m_comboStopBit->currentText(), QString("1"));
    EXPECT_EQ(page->m_comboParity->currentText(), QString("NONE"));
    EXPECT_EQ(page->m_comboPort->currentIndex(), -1);
    EXPECT_FALSE(page->m_editData->m_bHexMode);

    // Without a port the event is refused, not sent on port 1.
    m_prompter.Clear();
    Click(page->m_btnAdd);
    EXPECT_EQ(m_prompter.Texts(), Strings{"no selecte port"});
    EXPECT_EQ(SelectedEvents().size(), 2u);
}

TEST_F(Rs232PageTest, ALibraryFunctionFillsTheControls) {
    WriteLibrary("Proj.rss", Rs232Library("Proj", 2, kPowerOn + kInput));
    CravloDlg& dlg = StartWithAction();
    CPageView3Rs232* page = Page();
    dlg.SelectEventPage(kPageRs232);
    ChangeLib(page, "Proj.rss");
    ASSERT_EQ(m_prompter.FileRequests().size(), 1u);
    EXPECT_FALSE(m_prompter.FileRequests()[0].save);
    EXPECT_EQ(m_prompter.FileRequests()[0].folder, GetLibraryPath());
    EXPECT_EQ(page->m_editLibName->text(), QString("Proj"));
    EXPECT_EQ(ComboEntries(page->m_comboLibFunction), (QStringList{"input", "Power On"}));
    // The first entry is shown: a hex function.
    EXPECT_EQ(page->m_comboLibFunction->currentText(), QString("input"));
    EXPECT_EQ(page->m_editData->text(), QString("01 a0 0f"));
    EXPECT_TRUE(page->m_radioHex->isChecked());
    EXPECT_TRUE(EndCharHidden(page));
    EXPECT_EQ(page->m_comboBaud->currentText(), QString("4800"));
    EXPECT_EQ(page->m_comboStopBit->currentText(), QString("1.5"));
    EXPECT_EQ(page->m_rsFun.m_strName, "input");

    ChooseEntry(page->m_comboLibFunction, QString("Power On"));
    EXPECT_EQ(page->m_editData->text(), QString("PWON"));
    EXPECT_TRUE(page->m_radioAscii->isChecked());
    EXPECT_TRUE(page->m_radioEndCr->isChecked());
    EXPECT_FALSE(EndCharHidden(page));
    EXPECT_EQ(page->m_comboDataBit->currentText(), QString("7"));
    EXPECT_EQ(page->m_comboStopBit->currentText(), QString("2"));
    EXPECT_EQ(page->m_comboParity->currentText(), QString("EVEN"));
    Click(page->m_btnAdd);
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(SelectedEvents(),
              CStringArray{"UART :  : Proj : Power On : 19200 : 0 : 2 : 2 : 0 : 1 : 0 : 0 : 1 : 1 :1 :PWON"});
    EXPECT_EQ(Column(dlg.m_listEvent, 2), Strings{"Fun:Power On,Baud:19200,Port:1,Send Once"});

    // Re-loading the event fills the function list from the library.
    page->m_comboLibFunction->clear();
    ClickRow(dlg.m_listEvent, 0);
    EXPECT_EQ(ComboEntries(page->m_comboLibFunction), (QStringList{"input", "Power On"}));
    EXPECT_EQ(page->m_comboLibFunction->currentText(), QString("Power On"));
}

TEST_F(Rs232PageTest, LookupFailuresAreNamed) {
    WriteLibrary("Proj.rss", Rs232Library("Proj", 2, kPowerOn + kInput));
    WriteLibrary("Empty.rss", Rs232Library("Empty", 0, ""));
    WriteLibrary("renamed.rss", Rs232Library("Stored", 1, kInput));
    CravloDlg& dlg = Start();
    CPageView3Rs232* page = Page();
    dlg.SelectEventPage(kPageRs232);

    EXPECT_FALSE(page->LookupLibFunction());
    ChangeLib(page, "Empty.rss");   // no function to look up
    ChangeLib(page, "renamed.rss"); // the stored name has no file
    EXPECT_EQ(m_prompter.Texts(), (Strings{"Lib name is empty", "Funciton name is empty", "No Such Lib"}));
    EXPECT_EQ(page->m_editLibName->text(), QString("Stored"));
    EXPECT_EQ(ComboEntries(page->m_comboLibFunction), QStringList{"input"});

    // The library changed after it was read onto the page.
    m_prompter.Clear();
    ChangeLib(page, "Proj.rss");
    EXPECT_EQ(ComboEntries(page->m_comboLibFunction), (QStringList{"input", "Power On"}));
    WriteLibrary("Proj.rss", Rs232Library("Proj", 1, kInput));
    ChooseEntry(page->m_comboLibFunction, QString("Power On"));
    EXPECT_EQ(m_prompter.Texts(), Strings{"No Such Function"});
    EXPECT_EQ(page->m_editData->text(), QString("01 a0 0f")) << "the controls keep their values";

    // A damaged file.
    m_prompter.Clear();
    const std::string whole = Rs232Library("Proj", 1, kInput);
    WriteLibrary("Proj.rss", whole.substr(0, whole.size() - 5));
    ChooseEntry(page->m_comboLibFunction, QString("input"));
    EXPECT_EQ(m_prompter.Texts(), Strings{"the lib is destroyed"});
    page->LoadEvent("UART :  : Proj : input : 9600 : 1 : 0 : 0 : 0 : 0 : 0 : 0 : 1 : 1 :1 :x");
    EXPECT_EQ(m_prompter.Texts(), (Strings{"the lib is destroyed", "the lib is destroyed"}));
    EXPECT_EQ(page->m_comboLibFunction->count(), 0);

    m_prompter.Clear();
    ChangeLib(page, "Proj.rss");
    EXPECT_EQ(m_prompter.Texts(), Strings{"The File is already destroyed"});
    EXPECT_EQ(page->m_editLibName->text(), QString());
    EXPECT_EQ(page->m_comboLibFunction->count(), 0);
    // Change Lib cancelled: nothing changes.
    page->m_editLibName->setText("kept");
    Click(page->m_btnChangeLib);
    EXPECT_EQ(page->m_editLibName->text(), QString("kept"));
}

TEST_F(Rs232PageTest, EditLibOpensTheEditorOnThePagesLibraryAndFunction) {
    WriteLibrary("Proj.rss", Rs232Library("Proj", 2, kPowerOn + kInput));
    CravloDlg& dlg = Start();
    CPageView3Rs232* page = Page();
    dlg.SelectEventPage(kPageRs232);
    ChangeLib(page, "Proj.rss");
    ChooseEntry(page->m_comboLibFunction, QString("Power On"));
    bool shown = false;
    OnModalOf<CDlgRs232EditLib>([&](CDlgRs232EditLib* editor) {
        shown = true;
        EXPECT_EQ(editor->m_strLib, "Proj");
        EXPECT_EQ(editor->m_strFunction, "Power On");
        EXPECT_EQ(editor->m_comboFunction->currentText(), QString("Power On"));
        EXPECT_EQ(editor->m_editData->text(), QString("PWON"));
        QTest::mouseClick(editor->m_btnOk, Qt::LeftButton);
    });
    Click(page->m_btnEditLib);
    EXPECT_TRUE(shown);
    EXPECT_EQ(page->m_editData->text(), QString("PWON"));
}
