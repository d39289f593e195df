// SPDX-License-Identifier: MIT
#include "Form_Graphics.h"
#include "Runtime_Services.h"
#include "Test_Tables.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace {

using Test_Tables::PrintTo;

using Operation = std::function<qint16(qint16, qint16)>;

struct Arithmetic_Case {
    std::string name;
    Operation operation;
    qint16 a, b;
    std::optional<qint16> result; // nothing: the failure below
    int failure = 0;
};

class Int16_Arithmetic_Test : public testing::TestWithParam<Arithmetic_Case> {};

TEST_P(Int16_Arithmetic_Test, gives_the_result_or_fails) {
    const Arithmetic_Case& c = GetParam();
    if (c.result)
        EXPECT_EQ(c.operation(c.a, c.b), *c.result);
    else
        EXPECT_EQ(Test_Tables::Failure_Number([&] { c.operation(c.a, c.b); }), c.failure);
}

const Operation add = Int16_Arithmetic::Add;
const Operation subtract = Int16_Arithmetic::Subtract;
const Operation multiply = Int16_Arithmetic::Multiply;
const Operation quotient = Int16_Arithmetic::Rounded_Quotient;

INSTANTIATE_TEST_SUITE_P(
    Cases, Int16_Arithmetic_Test,
    testing::Values(
        Arithmetic_Case{"add_to_the_top", add, 32766, 1, 32767},
        Arithmetic_Case{"add_past_the_top", add, 32767, 1, std::nullopt, 6},
        Arithmetic_Case{"add_past_the_bottom", add, -32768, -1, std::nullopt, 6},
        Arithmetic_Case{"subtract_to_a_negative", subtract, 0, 40, -40},
        Arithmetic_Case{"subtract_across_the_range", subtract, 20000, -20000, std::nullopt, 6},
        Arithmetic_Case{"multiply_box_step", multiply, 125, 56, 7000},
        Arithmetic_Case{"multiply_past_the_top", multiply, 200, 200, std::nullopt, 6},
        Arithmetic_Case{"multiply_to_the_bottom", multiply, -16384, 2, -32768},
        Arithmetic_Case{"quotient_55_68_rounds_up", quotient, 6960, 125, 56},
        Arithmetic_Case{"quotient_24_12_rounds_down", quotient, 3015, 125, 24},
        Arithmetic_Case{"quotient_half_to_even_down", quotient, 125, 2, 62},
        Arithmetic_Case{"quotient_half_to_even_up", quotient, 7, 2, 4},
        Arithmetic_Case{"quotient_negative_half_to_even", quotient, -5, 2, -2},
        Arithmetic_Case{"quotient_by_zero", quotient, 10, 0, std::nullopt, 11},
        Arithmetic_Case{"quotient_zero_by_zero", quotient, 0, 0, std::nullopt, 11},
        Arithmetic_Case{"quotient_past_the_top", quotient, -32768, -1, std::nullopt, 6}),
    Test_Tables::Row_Name<Arithmetic_Case>);

} // namespace
