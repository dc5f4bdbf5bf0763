#include "controls/dialoglayout.h"

#include "controls/bandedstyle.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// `widget` as the style draws it.
QImage Drawn(QWidget& widget, QStyle* style) {
    widget.setStyle(style);
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// How many pixels of two pictures of one size differ, and by how much at most
// in any colour.
std::pair<int, int> Difference(const QImage& a, const QImage& b) {
    int pixels = 0, most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            const int d = std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                                    std::abs(p.blue() - q.blue()), std::abs(p.alpha() - q.alpha())});
            pixels += d > 0;
            most = std::max(most, d);
        }
    return {pixels, most};
}

} // namespace

// Drawn in bands, scroll bars, a tab control's frame and list headers look
// as the desktop style draws them; only where two lines meet at a corner may
// a pixel or two come out lighter or darker.
TEST(BandedStyle, DrawsScrollBarsTabFramesAndListHeadersAsTheDesktopStyleDoes) {
    BandedStyle banded;
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(QApplication::style()->name()));
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        QScrollBar bar(orientation);
        bar.resize(orientation == Qt::Horizontal ? QSize(421, 15) : QSize(15, 301));
        bar.setRange(0, 100);
        bar.setPageStep(40);
        bar.setValue(30);
        const QImage expected = Drawn(bar, plain.get());
        const QImage drawn = Drawn(bar, &banded);
        ASSERT_EQ(drawn.size(), expected.size());
        const auto [pixels, most] = Difference(drawn, expected);
        EXPECT_LE(pixels, 4) << orientation;
        EXPECT_LE(most, 32) << orientation;
    }
    QTabWidget tabs;
    tabs.addTab(new QWidget, QStringLiteral("RS232"));
    tabs.resize(441, 262);
    // As the program's tab control has it: one style for the control and its
    // tab bar.
    tabs.tabBar()->setStyle(plain.get());
    const QImage expected = Drawn(tabs, plain.get());
    tabs.tabBar()->setStyle(&banded);
    const QImage drawn = Drawn(tabs, &banded);
    ASSERT_EQ(drawn.size(), expected.size());
    EXPECT_LE(Difference(drawn, expected).first, 4);

    // A list header of a narrow, a middle and a wide section and the room
    // after them: exactly so.
    QTreeWidget list;
    list.setHeaderLabels({QStringLiteral("Key"), QStringLiteral("Type"), QStringLiteral("Data")});
    list.resize(500, 120);
    list.header()->setStretchLastSection(false);
    list.header()->resizeSection(0, 60);
    list.header()->resizeSection(1, 129);
    list.header()->resizeSection(2, 270);
    const QImage header = Drawn(*list.header(), plain.get());
    const QImage bandedHeader = Drawn(*list.header(), &banded);
    ASSERT_EQ(bandedHeader.size(), header.size());
    EXPECT_EQ(Difference(bandedHeader, header), std::make_pair(0, 0));
}

// Base units of 8 x 16 pixels: every dialog unit is two pixels either way.
TEST(DialogLayout, NamesControlsByIdAndPlacesThemInDialogUnits) {
    QDialog dialog;
    const DialogLayout layout(&dialog, DialogUnits(8, 16));

    QLabel* label = layout.Label("Port", 0, 10, 5, 30);
    EXPECT_EQ(label->parent(), &dialog);
    EXPECT_EQ(label->text(), QStringLiteral("Port"));
    EXPECT_TRUE(label->objectName().isEmpty()); // no id, no name
    EXPECT_EQ(label->geometry(), QRect(20, 10, 60, 20));

    QComboBox* combo = layout.Combo(1146, 40, 5, 50);
    EXPECT_EQ(combo->objectName(), QStringLiteral("1146"));
    EXPECT_EQ(combo->geometry(), QRect(80, 10, 100, 28));
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("1146")), combo);

    QPushButton* button = layout.Button("OK", 1, 3, 7);
    EXPECT_EQ(button->objectName(), QStringLiteral("1"));
    EXPECT_EQ(button->geometry(), QRect(6, 14, 100, 28));

    // A radio button keeps only the room its caption needs.
    QRadioButton* radio = layout.Radio("Hex", 1078, 0, 0, 200);
    EXPECT_LT(radio->width(), 400);
    EXPECT_EQ(radio->height(), 20);
}

TEST(DialogLayout, ButtonsOfADialogAreAutoDefaultUnlessTurnedOff) {
    QDialog dialog;
    DialogLayout layout(&dialog, DialogUnits(8, 16));
    EXPECT_TRUE(layout.Button("Set", 1092, 0, 0)->autoDefault());
    layout.NoAutoDefaultButtons();
    EXPECT_FALSE(layout.Button("Clear", 1088, 0, 20)->autoDefault());
}
