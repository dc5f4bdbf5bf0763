#include "controls/dialogunits.h"
#include "controls/modaldialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

class CountingDialog : public ModalDialog {
public:
    CountingDialog() {
        m_edit = new QLineEdit(this);
        m_ok = new QPushButton("OK", this);
        m_ok->setDefault(true);
        connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    }
    void OnInitDialog() override { ++m_nInits; }
    int m_nInits = 0;
    QLineEdit* m_edit;
    QPushButton* m_ok;
};

} // namespace

TEST(DialogUnits, ScaleWithTheFontAndTileWithoutGaps) {
    QFont font = QApplication::font();
    const DialogUnits units(font);
    EXPECT_GT(units.m_nBaseX, 0);
    EXPECT_GT(units.m_nBaseY, 0);
    EXPECT_EQ(units.X(4), units.m_nBaseX);
    EXPECT_EQ(units.Y(8), units.m_nBaseY);
    // Neighbouring rectangles touch exactly.
    EXPECT_EQ(units.Rect(7, 3, 13, 9).right() + 1, units.Rect(20, 3, 5, 9).left());
    EXPECT_EQ(units.Rect(7, 3, 13, 9).bottom() + 1, units.Rect(7, 12, 13, 9).top());

    font.setPointSize(font.pointSize() * 2);
    const DialogUnits bigger(font);
    EXPECT_GT(bigger.X(100), units.X(100));
    EXPECT_GT(bigger.Y(100), units.Y(100));
}

TEST(ModalDialog, InitRunsOnceAndKeysCanBeSwallowed) {
    CountingDialog dialog;
    dialog.SwallowKeys(true, true);
    dialog.show();
    dialog.hide();
    dialog.show();
    EXPECT_EQ(dialog.m_nInits, 1);
    dialog.m_edit->setFocus();
    QTest::keyClick(dialog.m_edit, Qt::Key_Return);
    QTest::keyClick(dialog.m_edit, Qt::Key_Escape);
    QTest::keyClick(dialog.m_ok, Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);

    // Without swallowing, Return presses the default button.
    dialog.SwallowKeys(false, true);
    QTest::keyClick(dialog.m_edit, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(ModalDialog, DoModalAnswersOkOrCancel) {
    CountingDialog dialog;
    QTimer::singleShot(0, &dialog, [&] { dialog.m_ok->click(); });
    EXPECT_EQ(dialog.DoModal(), ModalDialog::kIdOk);
    QTimer::singleShot(0, &dialog, [&] { dialog.reject(); });
    EXPECT_EQ(dialog.DoModal(), ModalDialog::kIdCancel);
}
