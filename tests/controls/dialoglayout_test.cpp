#include "controls/dialoglayout.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

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
