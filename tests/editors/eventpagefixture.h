#pragma once
// A main window for event page tests, with helpers to give a key a key
// action through a real key click, to press page buttons and to pick rows;
// and a stand-in for the main window where a test needs only what a page
// sees of it.

#include "app/cqvmview2listctrl.h"
#include "app/cqvmview4listctrl.h"
#include "app/mainwindowfixture.h"
#include "controls/cqvmtabctrl.h"
#include "editors/cdlgkeynormal.h"
#include "editors/eventpagehost.h"
#include "support/modalwait.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <string>
#include <vector>

// What a page sees of the main window, set by the test; the calls a page
// makes are recorded as "name key slot text" (key and slot where the call
// has them).
class StandInHost : public EventPageHost {
public:
    bool HasActionRows() const override { return m_bActionRows; }
    bool HasEventRows() const override { return m_bEventRows; }
    bool HasSelectedEventRow() const override { return m_bEventSelected; }
    int SelectedKey() const override { return m_nKey; }
    int SelectedSlot() const override { return m_nSlot; }
    int DeviceModel() const override { return m_nModel; }
    int PortMode() const override { return m_nPortMode; }
    void AddEvent(int key, int slot, const std::string& text) override {
        Record("AddEvent", key, slot, text);
    }
    void AddEventRow(const std::string& text) override { m_calls.push_back("AddEventRow " + text); }
    void ReplaceSelectedEvent(int key, int slot, const std::string& text) override {
        Record("ReplaceSelectedEvent", key, slot, text);
    }
    void UpdateEventRow(const std::string& text) override { m_calls.push_back("UpdateEventRow " + text); }
    IrLearnLink* LearnLink() override { return nullptr; }

    bool m_bActionRows = false;
    bool m_bEventRows = false;
    bool m_bEventSelected = false;
    int m_nKey = 0;
    int m_nSlot = 0;
    int m_nModel = 0;
    int m_nPortMode = 0;
    std::vector<std::string> m_calls;

private:
    void Record(const char* name, int key, int slot, const std::string& text) {
        m_calls.push_back(std::string(name) + " " + std::to_string(key) + " " + std::to_string(slot) + " " +
                          text);
    }
};

class EventPageTest : public MainWindowTest {
protected:
    // Clicks key `key` and adds its Press key action with the key action
    // dialog; the new key action becomes the selected one.
    void AddPressAction(int key) {
        CravloDlg& dlg = *m_dlg;
        OnModalOf<CDlgKeyNormal>([](CDlgKeyNormal* d) { QTest::mouseClick(d->m_btnOk, Qt::LeftButton); });
        QTest::mouseClick(&dlg.m_keys[size_t(key)], Qt::LeftButton, {}, QPoint(17, 12));
        ASSERT_EQ(dlg.m_nSelKey, key);
        ASSERT_EQ(dlg.m_nSelSlot, 0);
    }

    // A main window with key 1's Press key action selected.
    CravloDlg& StartWithAction() {
        CravloDlg& dlg = Start();
        AddPressAction(0);
        return dlg;
    }

    // The page of tab `index`, as its own class (made now if its tab was
    // never shown).
    template <typename Page> Page* PageAt(int index) {
        auto* page = qobject_cast<Page*>(m_dlg->EventPageAt(index));
        EXPECT_NE(page, nullptr) << index;
        EXPECT_EQ(m_dlg->m_tabEvents->widget(index), page) << index;
        return page;
    }

    // Makes tab `index` the active one and gives its page.
    template <typename Page> Page* ShowPage(int index) {
        m_dlg->SelectEventPage(index);
        return PageAt<Page>(index);
    }

    // The user replaces the text of an edit by typing.
    static void TypeInto(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // The user clicks row `row` of a list, scrolled into view.
    static void ClickRow(ReportListCtrl* list, int row) {
        list->scrollToItem(list->topLevelItem(row));
        const QRect r = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }

    static std::vector<std::string> Column(const ReportListCtrl* list, int column) {
        std::vector<std::string> out;
        for (int row = 0; row < list->GetItemCount(); ++row)
            out.push_back(list->GetItemText(row, column));
        return out;
    }

    // The event texts of the selected key action.
    CStringArray SelectedEvents() const {
        return m_dlg->m_keys[size_t(m_dlg->m_nSelKey)].m_arrSlots[size_t(m_dlg->m_nSelSlot)];
    }
};
