#include "controls/cbasebutton.h"

#include <QApplication>
#include <QElapsedTimer>
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

TEST_F(CBaseButtonLook, NamesUpToFourLettersAndTheSystemKeysDrawWholeAndCentredBesideTheNumber) {
    // Keys of the default window: 35 x 26 on model 0, 35 x 25 on models 1 and 2.
    for (const QSize size : {QSize(35, 26), QSize(35, 25)})
        for (const char* name : {"IOL", "IOH", "Time", "Start", "AbC.", "WWWW", "Mm8%", "1"}) {
            key.resize(size);
            key.m_nColorScheme = 4;
            key.m_strName = name;
            key.m_strCaption = "36";
            const QImage image = Render(key);
            QRect number, text;
            for (int y = 1; y < image.height() - 1; ++y)
                for (int x = 1; x < image.width() - 1; ++x) {
                    // Small letters are grey where their strokes are thinner
                    // than a pixel; red and its blends with the yellow
                    // background are the number.
                    const QColor c = image.pixelColor(x, y);
                    if (c.red() - c.green() > 60)
                        number |= QRect(x, y, 1, 1);
                    else if (qGray(c.rgb()) < 150)
                        text |= QRect(x, y, 1, 1);
                }
            ASSERT_FALSE(number.isEmpty()) << name;
            ASSERT_FALSE(text.isEmpty()) << name;
            EXPECT_FALSE(number.intersects(text)) << name << " at " << size.height();
            // Whole: the letters stay clear of the edges that would cut them.
            EXPECT_GT(text.left(), number.right()) << name;
            EXPECT_LT(text.right(), image.width() - 2) << name;
            EXPECT_GT(text.top(), 1) << name;
            EXPECT_LT(text.bottom(), image.height() - 2) << name;
            // Centred in the room right of the number's square.
            const int roomLeft = CBaseButton::CaptionRect().right() + 1, roomRight = image.width() - 2;
            EXPECT_LE(std::abs((text.left() - roomLeft) - (roomRight - text.right())), 2) << name;
            EXPECT_LE(std::abs((text.top() - 1) - (image.height() - 2 - text.bottom())), 4) << name;
        }
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

TEST_F(CBaseButtonLook, AHugeNameOrNumberPaintsAsFastAsAShortOne) {
    // A crafted project may bring a name of megabytes: a key measures and
    // draws only as much as can show.
    key.m_strName = std::string(size_t(4) << 20, 'W');
    key.m_strCaption = std::string(size_t(4) << 20, '8');
    QElapsedTimer timer;
    timer.start();
    const QImage image = Render(key);
    EXPECT_LT(timer.elapsed(), 500);
    int dark = 0;
    for (int x = CBaseButton::CaptionRect().right() + 1; x < image.width() - 1; ++x)
        dark += qGray(image.pixel(x, image.height() / 2)) < 150;
    EXPECT_GT(dark, 0) << "the name still shows";
}
