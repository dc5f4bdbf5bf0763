#include "app/cdlgask.h"
#include "support/modalwait.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

TEST(DlgAsk, ShowsCallersTitleAndTextOrAnEmptyTitle) {
    CDlgAsk untitled;
    EXPECT_EQ(untitled.m_strText, "");
    EXPECT_EQ(untitled.m_strTitle, "");
    untitled.show();
    EXPECT_EQ(untitled.windowTitle(), QString(""));

    CDlgAsk ask;
    ask.m_strTitle = "IO selection";
    ask.m_strText = "I/O is unavailable in this model.";
    ask.show();
    EXPECT_EQ(ask.windowTitle(), QString("IO selection"));
    EXPECT_EQ(ask.findChild<QLabel*>("1181")->text(), QString("I/O is unavailable in this model."));
    EXPECT_EQ(ask.findChild<QPushButton*>("1")->text(), QString("OK"));
    EXPECT_EQ(ask.findChild<QPushButton*>("2")->text(), QString("Cancel"));
    EXPECT_TRUE(ask.findChild<QPushButton*>("1")->isDefault());
}

TEST(DlgAsk, CarriageReturnsStartNewLines) {
    CDlgAsk ask;
    ask.m_strText = "Clear all the parameters of the machine,\rare you sure ? ";
    ask.show();
    EXPECT_EQ(ask.m_staticText->text(), QString("Clear all the parameters of the machine,\nare you sure ? "));
    EXPECT_EQ(CDlgAsk::MessageLines("Clear all data? \r\nYes or No ?"),
              QString("Clear all data? \nYes or No ?"));
}

TEST(DlgAsk, AnswersOkOrCancel) {
    struct Case {
        const char* how;
        std::function<void(CDlgAsk*)> act;
        int expected;
    };
    const std::vector<Case> cases = {
        {"OK", [](CDlgAsk* d) { QTest::mouseClick(d->m_btnOk, Qt::LeftButton); }, ModalDialog::kIdOk},
        {"Cancel", [](CDlgAsk* d) { QTest::mouseClick(d->m_btnCancel, Qt::LeftButton); },
         ModalDialog::kIdCancel},
        {"Return", [](CDlgAsk* d) { QTest::keyClick(d->m_btnOk, Qt::Key_Return); }, ModalDialog::kIdOk},
        {"Escape", [](CDlgAsk* d) { QTest::keyClick(d->m_btnOk, Qt::Key_Escape); }, ModalDialog::kIdCancel},
        {"close box", [](CDlgAsk* d) { d->close(); }, ModalDialog::kIdCancel},
    };
    for (const Case& c : cases) {
        CDlgAsk ask;
        ask.m_strText = "Forget device,\rare you sure ? ";
        ask.m_strTitle = "Unusual";
        OnModalOf<CDlgAsk>(c.act);
        EXPECT_EQ(ask.DoModal(), c.expected) << c.how;
    }
}
