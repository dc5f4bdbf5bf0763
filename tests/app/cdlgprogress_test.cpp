#include "app/cdlgprogress.h"
#include "support/modalwait.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

TEST(DlgProgress, LayoutAndAFreshBarAtEveryRun) {
    CDlgProgress dlg;
    EXPECT_EQ(dlg.windowTitle(), QString("Programming Controller"));
    EXPECT_EQ(dlg.findChild<QPushButton*>("2")->text(), QString("Cancel"));
    ASSERT_NE(dlg.findChild<QProgressBar*>("1164"), nullptr);
    EXPECT_EQ(dlg.findChildren<QPushButton*>().size(), 1);

    for (int range : {48, 61}) {
        dlg.m_nRange = range;
        OnModalOf<CDlgProgress>([range](CDlgProgress* d) {
            EXPECT_EQ(d->m_progress->minimum(), 0);
            EXPECT_EQ(d->m_progress->maximum(), range);
            EXPECT_EQ(d->Pos(), 0);
            d->SetPos(7);
            EXPECT_EQ(d->Pos(), 7);
            d->SetPos(range + 5); // beyond the end: the bar is full
            EXPECT_EQ(d->Pos(), range);
            d->accept();
        });
        EXPECT_EQ(dlg.DoModal(), ModalDialog::kIdOk);
    }
    EXPECT_FALSE(dlg.m_bCancel);
}

TEST(DlgProgress, CancelEscapeAndTheCloseBoxSetTheCancelFlagReturnDoesNothing) {
    const std::vector<std::pair<const char*, std::function<void(CDlgProgress*)>>> cases = {
        {"Cancel", [](CDlgProgress* d) { QTest::mouseClick(d->m_btnCancel, Qt::LeftButton); }},
        {"Escape", [](CDlgProgress* d) { QTest::keyClick(d->m_btnCancel, Qt::Key_Escape); }},
        {"close box", [](CDlgProgress* d) { d->close(); }},
    };
    for (const auto& [how, act] : cases) {
        CDlgProgress dlg;
        dlg.m_nRange = 48;
        OnModalOf<CDlgProgress>([act = act](CDlgProgress* d) {
            // Return, even on the focused Cancel button, leaves the dialog open.
            QTest::keyClick(d->m_btnCancel, Qt::Key_Return);
            QTest::keyClick(d, Qt::Key_Enter);
            EXPECT_TRUE(d->isVisible());
            EXPECT_FALSE(d->m_bCancel);
            act(d);
        });
        EXPECT_EQ(dlg.DoModal(), ModalDialog::kIdCancel) << how;
        EXPECT_TRUE(dlg.m_bCancel) << how;
    }
}
