#include "app/keypanellayout.h"

#include <gtest/gtest.h>

namespace {

struct At {
    int x, y;
};

void ExpectAt(const KeyPanelPlaces& places, int key, At at) {
    EXPECT_EQ(places[size_t(key)].x, at.x) << "key " << key;
    EXPECT_EQ(places[size_t(key)].y, at.y) << "key " << key;
}

} // namespace

TEST(KeyPanelLayout, Model0IsProportionalToTheFrame) {
    // W = 480, H = 240: w = 30, h = 21, g = 6, m = (480 - 18 - 120) / 6 = 57,
    // p = 36.
    const auto places = KeyPanelLayout(0, 480, 240);
    ASSERT_TRUE(places);
    for (const KeyPlace& k : *places) {
        EXPECT_EQ(k.width, 30);
        EXPECT_EQ(k.height, 21);
    }
    ExpectAt(*places, 0, {93, 21});
    ExpectAt(*places, 1, {129, 21});
    ExpectAt(*places, 2, {93, 21 + 21 + 16});
    ExpectAt(*places, 7, {129, 21 + 3 * 37});
    ExpectAt(*places, 8, {57 + 216, 30});
    ExpectAt(*places, 13, {57 + 36 * 11, 30});
    // Key 14 starts the second virtual row: 30 + 24 + 21.
    ExpectAt(*places, 14, {57 + 216, 75});
    ExpectAt(*places, 31, {57 + 36 * 11, 30 + 3 * 45});
    ExpectAt(*places, 32, {57, 21 + 4 * 37});
    ExpectAt(*places, 35, {57 + 3 * 36, 169});
}

TEST(KeyPanelLayout, Model1HasFixedKeysCentredOverTwoVirtualRows) {
    const auto places = KeyPanelLayout(1, 484, 260);
    ASSERT_TRUE(places);
    ExpectAt(*places, 0, {160, 20});
    ExpectAt(*places, 3, {160 + 129, 20});
    ExpectAt(*places, 7, {289, 65});
    ExpectAt(*places, 8, {20, 150});
    ExpectAt(*places, 19, {20 + 43 * 11, 150});
    ExpectAt(*places, 20, {20, 195});
    ExpectAt(*places, 31, {20 + 43 * 11, 195});
    ExpectAt(*places, 32, {160, 110});
    ExpectAt(*places, 35, {289, 110});
    for (const KeyPlace& k : *places) {
        EXPECT_EQ(k.width, 35);
        EXPECT_EQ(k.height, 25);
    }
}

TEST(KeyPanelLayout, Model2HasACrossAndOneVirtualRow) {
    const auto places = KeyPanelLayout(2, 486, 266);
    ASSERT_TRUE(places);
    ExpectAt(*places, 0, {95, 20});
    ExpectAt(*places, 4, {95, 65});
    ExpectAt(*places, 14, {95 + 43 * 6, 110});
    ExpectAt(*places, 15, {310, 80});
    ExpectAt(*places, 16, {267, 50});
    ExpectAt(*places, 17, {310, 20});
    ExpectAt(*places, 18, {353, 50});
    ExpectAt(*places, 19, {10, 225});
    ExpectAt(*places, 31, {10 + 43 * 12, 225});
    ExpectAt(*places, 32, {138, 155});
    ExpectAt(*places, 35, {138 + 129, 155});
}

TEST(KeyPanelLayout, KindsPerModel) {
    for (int model : {0, 1, 2}) {
        const auto places = KeyPanelLayout(model, 500, 280);
        ASSERT_TRUE(places);
        const int lastNormal = model == 2 ? 18 : 7;
        for (int i = 0; i < 36; ++i) {
            const int expected = i <= lastNormal ? 0 : i <= 31 ? 3 : 4;
            EXPECT_EQ((*places)[size_t(i)].kind, expected) << model << " " << i;
        }
    }
}

TEST(KeyPanelLayout, OtherModelsBuildNoPanelAndNarrowFramesStillPlaceEveryKey) {
    EXPECT_FALSE(KeyPanelLayout(3, 500, 280));
    EXPECT_FALSE(KeyPanelLayout(-1, 500, 280));
    // x0 = (100 - 164) / 2 = -32: the keys go partly outside the frame.
    const auto places = KeyPanelLayout(1, 100, 100);
    ASSERT_TRUE(places);
    ExpectAt(*places, 0, {-32, 20});
    // A frame of no size divides nothing by zero.
    const auto empty = KeyPanelLayout(0, 0, 0);
    ASSERT_TRUE(empty);
    EXPECT_EQ((*empty)[0].width, 0);
}

TEST(KeyPanelLayout, SystemKeyNames) {
    EXPECT_EQ(SystemKeyName(32), "IOL");
    EXPECT_EQ(SystemKeyName(33), "IOH");
    EXPECT_EQ(SystemKeyName(34), "Time");
    EXPECT_EQ(SystemKeyName(35), "Start");
    EXPECT_EQ(SystemKeyName(31), "");
}
