#include "Runtime_Services.h"
#include <gtest/gtest.h>
TEST(Placeholder, Builds) { EXPECT_TRUE(Runtime_Services::Is_Numeric("1")); }
