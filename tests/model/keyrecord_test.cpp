#include "model/keyrecord.h"

#include <gtest/gtest.h>

TEST(KeyActionSlot, Placeholder) { EXPECT_EQ(KeyRecord::GetKeyActionSlot(2, 1, 2), 9); }
