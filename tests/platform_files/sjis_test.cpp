#include <gtest/gtest.h>
#include "platform/sjis.h"
TEST(Sjis, Placeholder) { EXPECT_EQ(sjis::upper("ab"), "AB"); }
