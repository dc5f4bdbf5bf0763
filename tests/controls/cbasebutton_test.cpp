#include "controls/cbasebutton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

using Colors = std::pair<QColor, QColor>;

QImage Render(CBaseButton& key) {
    QImage image = key.grab().toImage().convertToFormat(QImage::Format_RGB32);
    return image;
}

bool Near(QColor a, QColor b, int tolerance = 12) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

bool IsRed(QColor c) {
    return c.red() > 150 && c.green() < 120 && c.blue() < 120;
}
bool IsDark(QColor c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

struct CBaseButtonLook : ::testing::Test {
    void SetUp() override {
        key.resize(35, 25);
        key.m_strName.clear();
        key.m_strCaption.clear();
    }
    CBaseButton key;
};

} // namespace

TEST(CBaseButtonColors, EachSchemeHasItsGradientAndHoverTakesPrecedence) {
    CBaseButton key;
    const std::pair<int, Colors> expected[] = {
        {0, {QColor(255, 255, 255), QColor(255, 255, 255)}},
        {1, {QColor(255, 255, 0), QColor(0, 0, 0)}},
        {2, {QColor(255, 255, 255), QColor(255, 0, 0)}},
        {3, {QColor(199, 224, 248), QColor(64, 148, 232)}},
        {4, {QColor(245, 248, 199), QColor(218, 227, 28)}},
    };
    for (const auto& [scheme, colors] : expected) {
        key.m_nColorScheme = scheme;
        key.m_bHover = false;
        EXPECT_EQ(key.GradientColors(), colors) << scheme;
        key.m_bHover = true;
        EXPECT_EQ(key.GradientColors(), Colors(QColor(0, 255, 0), QColor(255, 255, 255))) << scheme;
    }
    // A scheme no panel gives still draws, like scheme 0.
    key.m_bHover = false;
    key.m_nColorScheme = 9;
    EXPECT_EQ(key.GradientColors(), Colors(QColor(255, 255, 255), QColor(255, 255, 255)));
}

TEST_F(CBaseButtonLook, VirtualKeyTurnsGreenUnderTheMouseAndBlueAgainWhenItLeaves) {
    key.m_nColorScheme = 3;
    // The right-hand inner column holds no text: top and bottom show the
    // gradient's ends.
    auto ends = [&] {
        const QImage image = Render(key);
        return Colors(image.pixelColor(32, 1), image.pixelColor(32, 23));
    };
    auto [top, bottom] = ends();
    EXPECT_TRUE(Near(top, QColor(199, 224, 248))) << top.name().toStdString();
    EXPECT_TRUE(Near(bottom, QColor(64, 148, 232))) << bottom.name().toStdString();

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&key, &enter);
    EXPECT_TRUE(key.m_bHover);
    EXPECT_TRUE(key.m_bTracking);
    std::tie(top, bottom) = ends();
    EXPECT_TRUE(Near(top, QColor(0, 255, 0))) << top.name().toStdString();
    EXPECT_TRUE(Near(bottom, QColor(255, 255, 255))) << bottom.name().toStdString();

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&key, &leave);
    EXPECT_FALSE(key.m_bHover);
    EXPECT_FALSE(key.m_bTracking);
    std::tie(top, bottom) = ends();
    EXPECT_TRUE(Near(top, QColor(199, 224, 248)));
    EXPECT_TRUE(Near(bottom, QColor(64, 148, 232)));
}

TEST_F(CBaseButtonLook, HoverIsArmedOncePerEntry) {
    key.OnMouseMove();
    EXPECT_TRUE(key.m_bHover);
    key.m_bHover = false; // a later move within the key reports nothing new
    key.OnMouseMove();
    EXPECT_FALSE(key.m_bHover);
    key.OnMouseLeave();
    key.OnMouseMove();
    EXPECT_TRUE(key.m_bHover);
}

TEST_F(CBaseButtonLook, CaptionIsRedAndClippedToItsNineByNineSquare) {
    key.m_nColorScheme = 0;
    key.m_strCaption = "8888";
    const QImage image = Render(key);
    const QRect square = CBaseButton::CaptionRect();
    EXPECT_EQ(square.size(), QSize(9, 9));
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsRed(image.pixelColor(x, y)))
                ++(square.contains(x, y) ? inside : outside);
    EXPECT_GT(inside, 5);
    EXPECT_EQ(outside, 0);
}

TEST_F(CBaseButtonLook, NameIsBlackAndCentred) {
    key.m_nColorScheme = 4;
    key.m_strName = "IOL";
    const QImage image = Render(key);
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    // Inside the border only.
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            if (IsDark(image.pixelColor(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0) << "no name drawn";
    const int leftMargin = left, rightMargin = image.width() - 1 - right;
    EXPECT_LE(std::abs(leftMargin - rightMargin), 2) << left << " " << right;
    const int topMargin = top, bottomMargin = image.height() - 1 - bottom;
    EXPECT_LE(std::abs(topMargin - bottomMargin), 3) << top << " " << bottom;
    EXPECT_GT(right - left, 10);
}

TEST_F(CBaseButtonLook, PressingAndClickingDoNotChangeTheLook) {
    key.m_nColorScheme = 3;
    key.m_strName = "Time";
    key.m_strCaption = "35";
    key.show();
    const QImage before = Render(key);
    int clicks = 0;
    QObject::connect(&key, &QAbstractButton::clicked, [&] { ++clicks; });

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(17, 12), QPointF(17, 12), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&key, &press);
    EXPECT_TRUE(key.isDown());
    EXPECT_EQ(Render(key), before);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(17, 12), QPointF(17, 12), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&key, &release);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Render(key), before);
    key.setEnabled(false);
    EXPECT_EQ(Render(key), before);
}

TEST(CBaseButtonCreate, SetsNameCaptionPlaceAndId) {
    QWidget parent;
    CBaseButton key;
    key.m_strName = "old";
    key.Create("7", QRect(10, 20, 35, 25), &parent, 0x1206);
    EXPECT_EQ(key.m_strName, "7");
    EXPECT_EQ(key.m_strCaption, "7");
    EXPECT_EQ(key.parentWidget(), &parent);
    EXPECT_EQ(key.geometry(), QRect(10, 20, 35, 25));
    EXPECT_EQ(key.objectName(), "4614");
    EXPECT_FALSE(key.isHidden());
}
