// SPDX-License-Identifier: MIT
// The number a text starts with, as the 32-bit number type stores it.
#include "Leading_Number.h"
#include "Runtime_Services.h"
#include "Test_Tables.h"

#include <gtest/gtest.h>

namespace {

using Leading_Case = Test_Tables::Row<const char*, std::int32_t>;
using Test_Tables::Failure_Number;

class Leading_Whole_Number : public testing::TestWithParam<Leading_Case> {};

TEST_P(Leading_Whole_Number, Reads_The_Numeric_Prefix) {
    EXPECT_EQ(Registry::Leading_Whole_Number(GetParam().input), GetParam().expected)
        << '"' << GetParam().input << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Leading_Whole_Number,
    testing::Values(
        Leading_Case{"Version_Text", "1.0.24", 1}, Leading_Case{"Compile_Date", "02/02/2013", 2},
        Leading_Case{"Title", "Tessaly", 0}, Leading_Case{"Empty", "", 0},
        Leading_Case{"Blanks_Only", "  \t ", 0}, Leading_Case{"Leading_Blanks", "  \t42x", 42},
        Leading_Case{"Half_To_Even_Down", "2.5", 2}, Leading_Case{"Half_To_Even_Up", "3.5", 4},
        Leading_Case{"Negative_Half", "-2.5", -2}, Leading_Case{"Negative", "-17 apples", -17},
        Leading_Case{"Plus_Sign", "+8", 8}, Leading_Case{"Sign_Alone", "-", 0},
        Leading_Case{"Point_Alone", ".", 0}, Leading_Case{"Fraction_Only", ".6", 1},
        Leading_Case{"Trailing_Point", "7.", 7}, Leading_Case{"Exponent", "1.5e3kg", 1500},
        Leading_Case{"Negative_Exponent", "25E-1", 2},
        Leading_Case{"Exponent_Without_Digits", "2e", 2},
        Leading_Case{"Exponent_Sign_Without_Digits", "2e+", 2},
        Leading_Case{"Second_Point_Ends_It", "9.9.9", 10},
        Leading_Case{"Largest", "2147483647", 2147483647},
        Leading_Case{"Smallest", "-2147483648", -2147483647 - 1},
        Leading_Case{"Half_Below_The_Largest", "2147483646.5", 2147483646},
        Leading_Case{"Comma_Ends_It", "1,234", 1}),
    Test_Tables::Row_Name<Leading_Case>);

TEST(Leading_Whole_Number_Range, Numbers_Outside_32_Bits_Fail_With_Overflow) {
    for (const char* text : {"2147483648", "2147483647.5", "-2147483649", "1e400"})
        EXPECT_EQ(Failure_Number([&] { Registry::Leading_Whole_Number(text); }), Failure::Overflow)
            << text;
}

} // namespace
