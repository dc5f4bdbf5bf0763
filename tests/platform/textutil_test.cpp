#include "platform/textutil.h"

#include <gtest/gtest.h>

TEST(Trim, Placeholder) { EXPECT_EQ(txt::Trim(" a "), "a"); }
