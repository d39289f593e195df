#include "Number_Conversions.h"
#include <gtest/gtest.h>
TEST(Placeholder, Builds) { EXPECT_EQ(Number_Conversions::Decimal_To_Hex(255), "FF"); }
