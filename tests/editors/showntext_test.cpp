// What the user did not change goes back byte for byte, through the real
// pages and dialogs: an entry picked in a list is found by its own bytes,
// and names and data holding bytes that are no code of code page 936 (they
// show as replacement marks) keep them until the user changes that text.
#include "controls/crs232edit.h"
#include "editors/cdlgrs232editlib.h"
#include "editors/cpageview3cmp.h"
#include "editors/cpageview3ir.h"
#include "editors/cpageview3rs232.h"
#include "editors/eventpagefactory.h"
#include "eventpagefixture.h"
#include "libraryfilebytes.h"
#include "platform/codepage.h"
#include "support/comboinput.h"
#include "support/filecontent.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <functional>

namespace {

using Strings = std::vector<std::string>;

// Lead bytes before bytes that cannot follow them (01, 7F, a blank) or at
// the end: each shows as a replacement mark. D6 D0 is a whole character.
const std::string kOddData = "\xAA\x01\x02\x5A\x81\x7F\xD6\xD0\xB0";
const std::string kOddName = "N\xAA\x01\x81\x7F\xD6\xD0";

class ShownTextTest : public EventPageTest {
protected:
    void WriteLibrary(const std::string& name, const char* extension, const std::string& bytes) {
        ASSERT_TRUE(WriteFileBytes(LibraryFile(name, extension), bytes));
    }
    static QString LibraryFile(const std::string& name, const char* extension) {
        return GetLibraryPath() + "/" + cp936::ToUnicode(name) + "." + extension;
    }
    void ChangeLib(QPushButton* button, const std::string& name, const char* extension) {
        m_prompter.QueueFile(LibraryFile(name, extension));
        Click(button);
    }
};

} // namespace

TEST_F(ShownTextTest, AnEntryPickedInAListFindsItsOwnEntry) {
    // Three names that show alike: 81 and 82 before "0" are no code and show
    // the same mark, "A?0" the question mark. In the lists they stand sorted
    // as shown ("?" first), in library order among equals.
    const Strings names = {"A?0", "A\x81\x30", "A\x82\x30"};
    const Strings data = {"33 44", "11 22", "55 66"};
    const Strings codes = {"222222", "111111", "333333"};
    auto hexFunction = [&](size_t i, const std::string& bytes) {
        return Rs232Record(names[i], "9600", "8", "1", "NONE", 1, 0, 2, bytes);
    };
    WriteLibrary(
        "twins", "rss",
        Rs232Library("twins", 3,
                     hexFunction(1, "\x11\x22") + hexFunction(0, "\x33\x44") + hexFunction(2, "\x55\x66")));
    WriteLibrary("twins", "irr",
                 IrrBytes("twins", {names[1] + " : 111111", names[0] + " : 222222", names[2] + " : 333333"}));
    CravloDlg& dlg = StartWithAction();

    struct Place {
        const char* name;
        QComboBox* list;
        std::function<std::string(size_t)> pick; // picks entry i; what it shows or adds
        std::function<std::string(size_t)> expected;
    };
    auto* rs = PageAt<CPageView3Rs232>(kPageRs232);
    auto* ir = PageAt<CPageView3Ir>(kPageIr);
    ChangeLib(rs->m_btnChangeLib, "twins", "rss");
    ChangeLib(ir->m_btnChangeLib, "twins", "irr");
    const std::vector<Place> places = {
        {"RS232 page, data shown", rs->m_comboLibFunction,
         [&](size_t) { return rs->m_editData->text().toStdString(); }, [&](size_t i) { return data[i]; }},
        {"RS232 page, Add", rs->m_comboLibFunction,
         [&](size_t) {
             Click(rs->m_btnAdd);
             return SelectedEvents().back();
         },
         [&](size_t i) {
             return "UART :  : twins : " + names[i] +
                    " : 9600 : 1 : 0 : 0 : 1 : 0 : 0 : 0 : 1 : 1 :1 :" + data[i];
         }},
        {"IR page, Add", ir->m_comboFunction,
         [&](size_t) {
             Click(ir->m_btnAdd);
             return SelectedEvents().back();
         },
         [&](size_t i) { return "INFR : twins : " + names[i] + " : 0 : 1 : 0 : 1 : 1 : c6 : " + codes[i]; }},
    };
    for (const Place& place : places) {
        ASSERT_EQ(place.list->count(), 3) << place.name;
        for (size_t i = 0; i < names.size(); ++i) {
            ChooseEntry(place.list, int(i));
            EXPECT_EQ(place.pick(i), place.expected(i)) << place.name << " " << i;
        }
    }
    EXPECT_TRUE(m_prompter.Texts().empty());

    // Re-loading an event selects the function it names: the row of the
    // second RS232 event, then the last IR event.
    ClickRow(dlg.m_listEvent, 1);
    EXPECT_EQ(rs->m_comboLibFunction->currentIndex(), 1);
    ClickRow(dlg.m_listEvent, 5);
    EXPECT_EQ(ir->m_comboFunction->currentIndex(), 2);
    // Letter case aside, but a byte that is no code matches only itself.
    const std::string lower = "UART :  : twins : a\x82\x30 : 9600 : 1 : 0 : 0 : 1 : 0 : 0 : 0 : 1 : 1 :1 :";
    dlg.AddEvent(0, 0, lower);
    dlg.AddEventRow(lower);
    ClickRow(dlg.m_listEvent, 6);
    EXPECT_EQ(rs->m_comboLibFunction->currentIndex(), 2);

    // The library editor opens at the function picked on the page; Save
    // Edit rewrites the function picked in its own list, Delete Function
    // deletes it.
    std::string shownFirst;
    Strings left;
    OnModalOf<CDlgRs232EditLib>([&](CDlgRs232EditLib* editor) {
        shownFirst = editor->m_editData->text().toStdString();
        for (size_t i = 0; i < names.size(); ++i) {
            ChooseEntry(editor->m_comboFunction, int(i));
            EXPECT_EQ(editor->m_editData->text().toStdString(), data[i]) << i;
            TypeInto(editor->m_editData, QString("0%1 0%1").arg(i));
            Click(editor->m_btnSaveEdit);
        }
        ChooseEntry(editor->m_comboFunction, 1);
        Click(editor->m_btnDeleteFunction);
        left = editor->m_rsLib.FunctionNames();
        Click(editor->m_btnOk);
    });
    ChooseEntry(rs->m_comboLibFunction, 2);
    Click(rs->m_btnEditLib);
    EXPECT_EQ(shownFirst, data[2]);
    EXPECT_EQ(ReadFileBytes(LibraryFile("twins", "rss")),
              Rs232Library("twins", 3,
                           hexFunction(1, "\x01\x01") + hexFunction(0, std::string(2, '\0')) +
                               hexFunction(2, "\x02\x02")));
    EXPECT_EQ(left, (Strings{names[0], names[2]}));
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(ShownTextTest, TextTheUserDidNotChangeGoesBackAsItsBytes) {
    const std::string zero("N\0Z", 3);
    WriteLibrary("ir\x81\x30", "irr", IrrBytes("ir\x81\x30", {kOddName + " : 0a0b"}));
    WriteLibrary("zero", "irr", IrrBytes("zero", {zero + " : 0a0b"}));
    WriteLibrary("zero", "rss",
                 Rs232Library("zero", 1, Rs232Record(zero, "9600", "8", "1", "NONE", 0, 0, 0, "")));
    CravloDlg& dlg = StartWithAction();

    // Each event is picked in the Event List and added again as it shows.
    // A blank after a lead byte is that character's second byte: the RS232
    // name, which the page takes as typed, keeps it before its " : ". A
    // zero byte goes in whole, with what follows it.
    struct Place {
        int tab;
        std::string loaded;
        std::string added;
    };
    const std::string settings = " : 9600 : 1 : 0 : 0 : 0 : 0 : 0 : 1 : 1 : 1 :1 :";
    const std::string uart = " :  : " + settings;
    const std::vector<Place> places = {
        {kPageRs232, "UART : " + kOddData + uart + kOddData, "UART : " + kOddData + " " + uart + kOddData},
        {kPageCmp, "UCMP : " + kOddName + " : 1 : 0 : 0 :0 :" + kOddData, ""},
        {kPageIr, "INFR : ir\x81\x30 : " + kOddName + " : 0 : 0 : 0 : 1 : 1 : c6 : 0a0b", ""},
        {kPagePage, "ENPG : " + kOddName + " : 0 :1 :0", ""},
        {kPageToggle, "LTOG : " + kOddName + " : 0 : 0 : 0", ""},
        {kPageLoop, "CASD : " + kOddName + " : 1 : 1 : -", ""},
        {kPageRs232, "UART : " + zero + " : " + zero + " : " + settings + "11", ""},
        {kPageRs232, "UART : " + zero + " : zero : " + zero + settings + "11", ""},
        {kPageCmp, "UCMP : " + zero + " : 1 : 0 : 0 :0 :" + zero, ""},
        {kPageIr, "INFR : zero : " + zero + " : 0 : 0 : 0 : 1 : 1 : c6 : 0a0b", ""},
        {kPagePage, "ENPG : " + zero + " : 0 :1 :0", ""},
        {kPageToggle, "LTOG : " + zero + " : 0 : 2 : 0", ""},
        {kPageLoop, "CASD : " + zero + " : 1 : 1 : -", ""},
    };
    for (const Place& place : places) {
        dlg.AddEvent(0, 0, place.loaded);
        dlg.AddEventRow(place.loaded);
        ClickRow(dlg.m_listEvent, dlg.m_listEvent->GetItemCount() - 1);
        ASSERT_EQ(dlg.m_tabEvents->currentIndex(), place.tab);
        Click(dlg.EventPageAt(place.tab)->m_btnAdd);
        EXPECT_EQ(SelectedEvents().back(), place.added.empty() ? place.loaded : place.added) << place.tab;
    }
    EXPECT_TRUE(m_prompter.Texts().empty());

    // Only what the user changes is converted: a typed name loses the
    // character code page 936 lacks, the data beside it keeps its bytes.
    auto* rs = PageAt<CPageView3Rs232>(kPageRs232);
    ClickRow(dlg.m_listEvent, 0);
    rs->m_editEventName->selectAll();
    QTest::sendKeyEvent(QTest::Click, rs->m_editEventName, Qt::Key_unknown,
                        QString::fromUtf8("new\u00C0\u4E2D"), Qt::NoModifier);
    TypeInto(rs->m_editRepeat, "2");
    Click(rs->m_btnAdd);
    EXPECT_EQ(SelectedEvents().back(),
              "UART : new?\xD6\xD0 :  :  : 9600 : 1 : 0 : 0 : 0 : 0 : 0 : 1 : 2 : 1 :1 :" + kOddData);

    // A key's name goes back through its key action dialog.
    dlg.m_keys[1].m_strName = "K\x81";
    AddPressAction(1);
    EXPECT_EQ(dlg.m_keys[1].m_strName, "K\x81");

    // The RS232 library editor saves the data it shows when only the baud
    // rate changed, and the switch to hex turns those bytes into pairs.
    const auto function = [](const std::string& baud) {
        return Rs232Record("F\x81", baud, "8", "1", "NONE", 0, 0, char(kOddData.size()), kOddData);
    };
    WriteLibrary("odd", "rss", Rs232Library("odd", 1, function("9600")));
    CDlgRs232EditLib editor(nullptr, "odd", "F\x81");
    editor.show();
    ChooseEntry(editor.m_comboBaud, QString("19200"));
    Click(editor.m_btnSaveEdit);
    EXPECT_EQ(ReadFileBytes(LibraryFile("odd", "rss")), Rs232Library("odd", 1, function("19200")));
    QTest::mouseClick(editor.m_radioHex, Qt::LeftButton);
    EXPECT_EQ(editor.m_editData->text(), QString("aa 01 02 5a 81 7f d6 d0 b0"));
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(ShownTextTest, AStoredNamePicksTheEntryWithItsVeryBytesFirst) {
    // Names that differ in letter case alone, "ab1" first in each list. A
    // stored name selects its very own entry; one that no entry has exactly
    // takes the first that is the same letter case aside.
    const auto rss = [](const char* name, const char* data) {
        return Rs232Record(name, "9600", "8", "1", "NONE", 1, 0, 1, data);
    };
    WriteLibrary("case", "rss", Rs232Library("case", 2, rss("ab1", "\x11") + rss("AB1", "\x22")));
    WriteLibrary("case", "irr", IrrBytes("case", {"ab1 : 111111", "AB1 : 222222"}));
    CravloDlg& dlg = StartWithAction();
    const auto uart = [](const char* function) {
        return "UART :  : case : " + std::string(function) +
               " : 9600 : 1 : 0 : 0 : 1 : 0 : 0 : 0 : 1 : 1 :1 :11";
    };
    const auto infr = [](const char* function, const char* code) {
        return "INFR : case : " + std::string(function) + " : 0 : 1 : 0 : 1 : 1 : c6 : " + code;
    };
    // The event re-loaded, the event Add gives, and what the RS232 library
    // editor shows when Edit Lib opens it on the page's function.
    const std::vector<Strings> places = {
        {uart("AB1"), uart("AB1"), "AB1 22"},
        {uart("Ab1"), uart("ab1"), "ab1 11"},
        {infr("AB1", "222222"), infr("AB1", "222222")},
        {infr("Ab1", "222222"), infr("ab1", "111111")},
    };
    auto* rs = PageAt<CPageView3Rs232>(kPageRs232);
    for (const Strings& place : places) {
        dlg.AddEvent(0, 0, place[0]);
        dlg.AddEventRow(place[0]);
        ClickRow(dlg.m_listEvent, dlg.m_listEvent->GetItemCount() - 1);
        if (place.size() > 2) {
            OnModalOf<CDlgRs232EditLib>([&](CDlgRs232EditLib* editor) {
                EXPECT_EQ(
                    (editor->m_comboFunction->currentText() + " " + editor->m_editData->text()).toStdString(),
                    place[2]);
                Click(editor->m_btnOk);
            });
            Click(rs->m_btnEditLib);
        }
        Click(dlg.EventPageAt(dlg.m_tabEvents->currentIndex())->m_btnAdd);
        EXPECT_EQ(SelectedEvents().back(), place[1]);
    }
    EXPECT_TRUE(m_prompter.Texts().empty());
}
