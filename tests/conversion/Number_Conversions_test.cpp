// SPDX-License-Identifier: MIT
#include "Number_Conversions.h"
#include "Test_Tables.h"

#include "Runtime_Services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <bitset>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

using namespace Number_Conversions;

namespace {

using Test_Tables::Failure_Number;
using Test_Tables::Row_Name;

using Test_Tables::PrintTo;

std::string Repeat(char c, std::size_t count) {
    return std::string(count, c);
}

// The w-bit text of the low w bits of a pattern, by std::bitset.
template <std::size_t W> std::string Bitset_Text(std::uint64_t pattern) {
    return std::bitset<W>(pattern).to_string();
}

std::string Upper_Hex(std::uint64_t value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    std::string text(buffer, result.ptr);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::uint64_t From_Hex(const std::string& text) {
    std::uint64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return value;
}

// A deterministic spread of 32-bit patterns: the extremes, every power of two
// and its neighbours, and pseudo-random values.
std::vector<std::uint32_t> Spread_Of_32_Bit_Patterns() {
    std::vector<std::uint32_t> patterns = {0U,          1U,          0x7FFFFFFFU, 0x80000000U,
                                           0x80000001U, 0xFFFFFFFEU, 0xFFFFFFFFU, 0xB2D05E00U,
                                           0x55555555U, 0xAAAAAAAAU};
    for (int k = 0; k < 32; ++k) {
        const std::uint32_t power = std::uint32_t{1} << k;
        patterns.insert(patterns.end(), {power - 1, power, power + 1});
    }
    std::mt19937 random(20240601);
    for (int i = 0; i < 20000; ++i)
        patterns.push_back(static_cast<std::uint32_t>(random()));
    return patterns;
}

// The documented edge cases, one table per routine.

using Signed_To_Bits_Row = Test_Tables::Width_Row<std::int32_t, std::string>;

class Signed_To_Bits_Case : public testing::TestWithParam<Signed_To_Bits_Row> {};

TEST_P(Signed_To_Bits_Case, GivesTwosComplementOrRefusal) {
    const auto& row = GetParam();
    EXPECT_EQ(Signed_To_Bits(row.input, row.width), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Signed_To_Bits_Case,
    testing::Values(
        Signed_To_Bits_Row{"Plus65In16", 65, 16, "0000000001000001"},
        Signed_To_Bits_Row{"ZeroIn8", 0, 8, "00000000"},
        Signed_To_Bits_Row{"Plus128In8IsTooHigh", 128, 8, "Value too High"},
        Signed_To_Bits_Row{"Minus129In8IsTooHigh", -129, 8, "Value too High"},
        Signed_To_Bits_Row{"Plus32767In16", 32767, 16, "0111111111111111"},
        Signed_To_Bits_Row{"Minus32768In16", -32768, 16, "1000000000000000"},
        Signed_To_Bits_Row{"Minus1In8", -1, 8, "11111111"},
        Signed_To_Bits_Row{"Minus128In8", -128, 8, "10000000"},
        Signed_To_Bits_Row{"Plus127In8", 127, 8, "01111111"},
        Signed_To_Bits_Row{"LowestIn32", std::numeric_limits<std::int32_t>::min(), 32,
                           "1" + Repeat('0', 31)},
        Signed_To_Bits_Row{"HighestIn32", std::numeric_limits<std::int32_t>::max(), 32,
                           "0" + Repeat('1', 31)},
        Signed_To_Bits_Row{"LowestIn16IsTooHigh", std::numeric_limits<std::int32_t>::min(), 16,
                           "Value too High"},
        Signed_To_Bits_Row{"Minus1In1", -1, 1, "1"}, Signed_To_Bits_Row{"ZeroIn1", 0, 1, "0"},
        Signed_To_Bits_Row{"ZeroInWidth0IsTooHigh", 0, 0, "Value too High"},
        Signed_To_Bits_Row{"ZeroInNegativeWidthIsTooHigh", 0, -8, "Value too High"},
        Signed_To_Bits_Row{"Minus2In40SignExtends", -2, 40, Repeat('1', 39) + "0"},
        Signed_To_Bits_Row{"LowestIn64SignExtends", std::numeric_limits<std::int32_t>::min(), 64,
                           Repeat('1', 33) + Repeat('0', 31)},
        Signed_To_Bits_Row{"Plus5In2000", 5, 2000, Repeat('0', 1997) + "101"},
        Signed_To_Bits_Row{"Minus5In2000", -5, 2000, Repeat('1', 1997) + "011"}),
    Row_Name<Signed_To_Bits_Row>);

using Bits_To_Signed_Row = Test_Tables::Width_Row<std::string, std::int32_t>;

class Bits_To_Signed_Case : public testing::TestWithParam<Bits_To_Signed_Row> {};

TEST_P(Bits_To_Signed_Case, ReadsTwosComplement) {
    const auto& row = GetParam();
    EXPECT_EQ(Bits_To_Signed(row.input, row.width), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Bits_To_Signed_Case,
    testing::Values(Bits_To_Signed_Row{"AllOnesIn8IsMinus1", "11111111", 8, -1},
                    Bits_To_Signed_Row{"SignOnlyIn8IsMinus128", "10000000", 8, -128},
                    Bits_To_Signed_Row{"Plus127In8", "01111111", 8, 127},
                    Bits_To_Signed_Row{"SignOnlyIn32IsLowest", "1" + Repeat('0', 31), 32,
                                       std::numeric_limits<std::int32_t>::min()},
                    Bits_To_Signed_Row{"AllOnesIn32IsMinus1", Repeat('1', 32), 32, -1},
                    Bits_To_Signed_Row{"HighestIn32", "0" + Repeat('1', 31), 32,
                                       std::numeric_limits<std::int32_t>::max()},
                    Bits_To_Signed_Row{"DigitTwoIsAClearBit", "00000002", 8, 0},
                    Bits_To_Signed_Row{"DigitNineAsSignIsClear", "91111111", 8, 127},
                    Bits_To_Signed_Row{"SurplusOnTheRightIsIgnored", "00000101XYZ", 8, 5},
                    Bits_To_Signed_Row{"SignBitIn1IsZero", "1", 1, 0},
                    Bits_To_Signed_Row{"Width0ReadsNothing", "1", 0, 0},
                    Bits_To_Signed_Row{"ClearSignIn40", Repeat('0', 10) + Repeat('1', 30), 40,
                                       (1 << 30) - 1}),
    Row_Name<Bits_To_Signed_Row>);

using Unsigned_To_Bits_Row = Test_Tables::Width_Row<double, std::string>;

class Unsigned_To_Bits_Case : public testing::TestWithParam<Unsigned_To_Bits_Row> {};

TEST_P(Unsigned_To_Bits_Case, GivesThePattern) {
    const auto& row = GetParam();
    EXPECT_EQ(Unsigned_To_Bits(row.input, row.width), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Unsigned_To_Bits_Case,
    testing::Values(
        Unsigned_To_Bits_Row{"Plus255In8", 255, 8, "11111111"},
        Unsigned_To_Bits_Row{"ZeroIn32", 0, 32, Repeat('0', 32)},
        Unsigned_To_Bits_Row{"HighestIn32", 4294967295.0, 32, Repeat('1', 32)},
        Unsigned_To_Bits_Row{"Plus256In8IsAllOnes", 256, 8, "11111111"},
        Unsigned_To_Bits_Row{"Plus1E300In8IsAllOnes", 1e300, 8, "11111111"},
        Unsigned_To_Bits_Row{"InfinityIn8IsAllOnes", std::numeric_limits<double>::infinity(), 8,
                             "11111111"},
        Unsigned_To_Bits_Row{"Minus1In8IsAllZeros", -1, 8, "00000000"},
        Unsigned_To_Bits_Row{"MinusInfinityIn8IsAllZeros", -std::numeric_limits<double>::infinity(),
                             8, "00000000"},
        Unsigned_To_Bits_Row{"Plus2Point5DropsTheFraction", 2.5, 8, "00000010"},
        Unsigned_To_Bits_Row{"Plus255Point9In8", 255.9, 8, "11111111"},
        Unsigned_To_Bits_Row{"Plus0Point9In8IsZero", 0.9, 8, "00000000"},
        Unsigned_To_Bits_Row{"Two52In64", 4503599627370496.0, 64,
                             Repeat('0', 11) + "1" + Repeat('0', 52)},
        Unsigned_To_Bits_Row{"Two64In64IsAllOnes", 18446744073709551616.0, 64, Repeat('1', 64)},
        Unsigned_To_Bits_Row{"Plus5In70", 5, 70, Repeat('0', 67) + "101"},
        Unsigned_To_Bits_Row{"Two70In70IsAllOnes", std::ldexp(1.0, 70), 70, Repeat('1', 70)},
        Unsigned_To_Bits_Row{"Two69In70", std::ldexp(1.0, 69), 70, "1" + Repeat('0', 69)},
        Unsigned_To_Bits_Row{"Minus5In70IsAllZeros", -5, 70, Repeat('0', 70)},
        Unsigned_To_Bits_Row{"Width0IsEmpty", 5, 0, ""},
        Unsigned_To_Bits_Row{"NegativeWidthIsEmpty", 5, -3, ""}),
    Row_Name<Unsigned_To_Bits_Row>);

using Bits_To_Unsigned_Row = Test_Tables::Width_Row<std::string, double>;

class Bits_To_Unsigned_Case : public testing::TestWithParam<Bits_To_Unsigned_Row> {};

TEST_P(Bits_To_Unsigned_Case, AddsTheWeights) {
    const auto& row = GetParam();
    EXPECT_EQ(Bits_To_Unsigned(row.input, row.width), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Bits_To_Unsigned_Case,
    testing::Values(Bits_To_Unsigned_Row{"Plus5In8", "00000101", 8, 5},
                    Bits_To_Unsigned_Row{"AllOnesIn32", Repeat('1', 32), 32, 4294967295.0},
                    Bits_To_Unsigned_Row{"DigitsOtherThan1AreClear", "23456789", 8, 0},
                    Bits_To_Unsigned_Row{"SurplusOnTheRightIsIgnored", "00000011" + Repeat('1', 5),
                                         8, 3},
                    Bits_To_Unsigned_Row{"Width0IsZero", "", 0, 0},
                    Bits_To_Unsigned_Row{"Two1023In1024", "1" + Repeat('0', 1023), 1024,
                                         std::ldexp(1.0, 1023)}),
    Row_Name<Bits_To_Unsigned_Row>);

using Hex_To_Decimal_Row = Test_Tables::Row<std::string, double>;

class Hex_To_Decimal_Case : public testing::TestWithParam<Hex_To_Decimal_Row> {};

TEST_P(Hex_To_Decimal_Case, GivesTheValue) {
    const auto& row = GetParam();
    EXPECT_EQ(Hex_To_Decimal(row.input), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Hex_To_Decimal_Case,
    testing::Values(Hex_To_Decimal_Row{"FFIs255", "FF", 255},
                    Hex_To_Decimal_Row{"LeadingZerosAreKept0010Is16", "0010", 16},
                    Hex_To_Decimal_Row{"EmptyIsZero", "", 0},
                    Hex_To_Decimal_Row{"EightFsIsUnsigned", "FFFFFFFF", 4294967295.0},
                    Hex_To_Decimal_Row{"ThirteenFsIsExact", Repeat('F', 13), 4503599627370495.0},
                    Hex_To_Decimal_Row{"SixteenFsRoundsTo2To64", Repeat('F', 16),
                                       18446744073709551616.0},
                    Hex_To_Decimal_Row{"Two1023IsTheHighestWeight", "8" + Repeat('0', 255),
                                       std::ldexp(1.0, 1023)},
                    Hex_To_Decimal_Row{"ManyZerosAreZero", Repeat('0', 1000), 0},
                    Hex_To_Decimal_Row{"ManyLeadingZerosThen1", Repeat('0', 1000) + "1", 1}),
    Row_Name<Hex_To_Decimal_Row>);

using Decimal_To_Hex_Row = Test_Tables::Row<double, std::string>;

class Decimal_To_Hex_Case : public testing::TestWithParam<Decimal_To_Hex_Row> {};

TEST_P(Decimal_To_Hex_Case, GivesUpperCaseDigits) {
    const auto& row = GetParam();
    EXPECT_EQ(Decimal_To_Hex(row.input), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Decimal_To_Hex_Case,
    testing::Values(Decimal_To_Hex_Row{"Plus255IsFF", 255, "FF"},
                    Decimal_To_Hex_Row{"ZeroIs0", 0, "0"},
                    Decimal_To_Hex_Row{"MinusZeroIs0", -0.0, "0"},
                    Decimal_To_Hex_Row{"Minus1IsEightFs", -1, "FFFFFFFF"},
                    Decimal_To_Hex_Row{"Plus2Point5RoundsTo2", 2.5, "2"},
                    Decimal_To_Hex_Row{"Plus3Point5RoundsTo4", 3.5, "4"},
                    Decimal_To_Hex_Row{"Minus0Point5RoundsTo0", -0.5, "0"},
                    Decimal_To_Hex_Row{"Plus2147483647", 2147483647, "7FFFFFFF"},
                    Decimal_To_Hex_Row{"Lowest32Bit", -2147483648.0, "80000000"},
                    Decimal_To_Hex_Row{"Lowest32BitMinusHalfRoundsIn", -2147483648.5, "80000000"},
                    Decimal_To_Hex_Row{"Plus2147483648IsUnsigned", 2147483648.0, "80000000"},
                    Decimal_To_Hex_Row{"Plus3000000000IsUnsigned", 3000000000.0, "B2D05E00"},
                    Decimal_To_Hex_Row{"Plus4294967295IsUnsigned", 4294967295.0, "FFFFFFFF"},
                    Decimal_To_Hex_Row{"Plus4294967294Point5RoundsToEven", 4294967294.5,
                                       "FFFFFFFE"}),
    Row_Name<Decimal_To_Hex_Row>);

using Bits_Required_Row = Test_Tables::Row<double, std::int16_t>;

class Bits_Required_Case : public testing::TestWithParam<Bits_Required_Row> {};

TEST_P(Bits_Required_Case, CountsTheBits) {
    const auto& row = GetParam();
    EXPECT_EQ(Bits_Required(row.input), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Bits_Required_Case,
    testing::Values(
        Bits_Required_Row{"ZeroNeeds0", 0, 0}, Bits_Required_Row{"OneNeeds1", 1, 1},
        Bits_Required_Row{"Plus3Needs2", 3, 2}, Bits_Required_Row{"Plus4Needs3", 4, 3},
        Bits_Required_Row{"Plus255Needs8", 255, 8}, Bits_Required_Row{"Plus256Needs9", 256, 9},
        Bits_Required_Row{"Minus5Needs3", -5, 3}, Bits_Required_Row{"Plus2Point5Needs2", 2.5, 2},
        Bits_Required_Row{"Plus3Point5Needs3", 3.5, 3},
        Bits_Required_Row{"Plus0Point5Needs1", 0.5, 1},
        Bits_Required_Row{"TinyFractionNeeds1", 1e-300, 1},
        Bits_Required_Row{"Plus536870911Needs29", 536870911, 29},
        Bits_Required_Row{"Plus2147483647Needs31", 2147483647, 31},
        Bits_Required_Row{"Plus2147483648Needs32", 2147483648.0, 32},
        Bits_Required_Row{"Minus2147483648Needs32", -2147483648.0, 32},
        Bits_Required_Row{"Plus4294967295Needs32", 4294967295.0, 32},
        Bits_Required_Row{"Two53Needs54", 9007199254740992.0, 54},
        Bits_Required_Row{"Two60Needs61", std::ldexp(1.0, 60), 61},
        Bits_Required_Row{"LargestDoubleNeeds1024", std::numeric_limits<double>::max(), 1024}),
    Row_Name<Bits_Required_Row>);

// Every failure path with its number.

using Failure_Row = Test_Tables::Row<std::function<void()>, int>;

class Failure_Case : public testing::TestWithParam<Failure_Row> {};

TEST_P(Failure_Case, FailsWithItsNumber) {
    const auto& row = GetParam();
    EXPECT_EQ(Failure_Number(row.input), row.expected);
}

constexpr int Overflow = Failure::Overflow;
constexpr int Type_Mismatch = Failure::Type_Mismatch;
constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double Not_A_Number = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    BitsToSigned, Failure_Case,
    testing::Values(
        Failure_Row{"LetterInText", [] { Bits_To_Signed("0000000A", 8); }, Type_Mismatch},
        Failure_Row{"BlankInText", [] { Bits_To_Signed("0000 001", 8); }, Type_Mismatch},
        Failure_Row{"LetterAsSignBit", [] { Bits_To_Signed("X0000001", 8); }, Type_Mismatch},
        Failure_Row{"MinusAsSignBit", [] { Bits_To_Signed("-0000001", 8); }, Type_Mismatch},
        Failure_Row{"TextShorterThanWidth", [] { Bits_To_Signed("1111111", 8); }, Type_Mismatch},
        Failure_Row{"EmptyText", [] { Bits_To_Signed("", 8); }, Type_Mismatch},
        Failure_Row{"SignBitBeyond32Bits", [] { Bits_To_Signed("1" + Repeat('0', 32), 33); },
                    Overflow},
        Failure_Row{"Bit31BeyondAClearSign",
                    [] { Bits_To_Signed("0" + std::string("1") + Repeat('0', 31), 33); }, Overflow},
        Failure_Row{"Bit40BeyondAClearSign", [] { Bits_To_Signed("01" + Repeat('0', 40), 42); },
                    Overflow}),
    Row_Name<Failure_Row>);

INSTANTIATE_TEST_SUITE_P(
    BitsToUnsigned, Failure_Case,
    testing::Values(
        Failure_Row{"LetterInText", [] { Bits_To_Unsigned("0000000A", 8); }, Type_Mismatch},
        Failure_Row{"DotInText", [] { Bits_To_Unsigned("1.000000", 8); }, Type_Mismatch},
        Failure_Row{"TextShorterThanWidth", [] { Bits_To_Unsigned("1111111", 8); }, Type_Mismatch},
        Failure_Row{"EmptyText", [] { Bits_To_Unsigned("", 32); }, Type_Mismatch},
        Failure_Row{"WeightBeyondDoubleRange",
                    [] { Bits_To_Unsigned("1" + Repeat('0', 1024), 1025); }, Overflow},
        Failure_Row{"FiniteWeightsSummingToInfinity",
                    [] { Bits_To_Unsigned(Repeat('1', 1024), 1024); }, Overflow}),
    Row_Name<Failure_Row>);

INSTANTIATE_TEST_SUITE_P(
    HexToDecimal, Failure_Case,
    testing::Values(
        Failure_Row{"LowerCaseDigits", [] { Hex_To_Decimal("ff"); }, Type_Mismatch},
        Failure_Row{"LetterBeyondF", [] { Hex_To_Decimal("1G"); }, Type_Mismatch},
        Failure_Row{"LeadingBlank", [] { Hex_To_Decimal(" FF"); }, Type_Mismatch},
        Failure_Row{"MinusSign", [] { Hex_To_Decimal("-1"); }, Type_Mismatch},
        Failure_Row{"Prefix0x", [] { Hex_To_Decimal("0x1F"); }, Type_Mismatch},
        Failure_Row{"DecimalPoint", [] { Hex_To_Decimal("1.5"); }, Type_Mismatch},
        Failure_Row{"ZeroByte", [] { Hex_To_Decimal(std::string("1\0", 2)); }, Type_Mismatch},
        Failure_Row{"Weight2To1024", [] { Hex_To_Decimal("1" + Repeat('0', 256)); }, Overflow},
        Failure_Row{"Fs257", [] { Hex_To_Decimal(Repeat('F', 257)); }, Overflow},
        Failure_Row{"Fs256SumRoundsToInfinity", [] { Hex_To_Decimal(Repeat('F', 256)); }, Overflow},
        Failure_Row{"StrayLetterLeftOfLongText", [] { Hex_To_Decimal("G" + Repeat('F', 300)); },
                    Type_Mismatch},
        Failure_Row{"StrayLetterRightOfLongText", [] { Hex_To_Decimal(Repeat('F', 300) + "g"); },
                    Type_Mismatch}),
    Row_Name<Failure_Row>);

INSTANTIATE_TEST_SUITE_P(
    DecimalToHex, Failure_Case,
    testing::Values(
        Failure_Row{"BelowLowest32Bit", [] { Decimal_To_Hex(-2147483649.0); }, Overflow},
        Failure_Row{"HalfBelowRoundsOut", [] { Decimal_To_Hex(-2147483649.5); }, Overflow},
        Failure_Row{"Plus4294967296", [] { Decimal_To_Hex(4294967296.0); }, Overflow},
        Failure_Row{"Plus4294967295Point5RoundsOut", [] { Decimal_To_Hex(4294967295.5); },
                    Overflow},
        Failure_Row{"Plus1E300", [] { Decimal_To_Hex(1e300); }, Overflow},
        Failure_Row{"PlusInfinity", [] { Decimal_To_Hex(Infinity); }, Overflow},
        Failure_Row{"MinusInfinity", [] { Decimal_To_Hex(-Infinity); }, Overflow},
        Failure_Row{"NotANumber", [] { Decimal_To_Hex(Not_A_Number); }, Overflow}),
    Row_Name<Failure_Row>);

INSTANTIATE_TEST_SUITE_P(
    BitsRequired, Failure_Case,
    testing::Values(Failure_Row{"PlusInfinity", [] { Bits_Required(Infinity); }, Overflow},
                    Failure_Row{"MinusInfinity", [] { Bits_Required(-Infinity); }, Overflow},
                    Failure_Row{"NotANumber", [] { Bits_Required(Not_A_Number); }, Overflow}),
    Row_Name<Failure_Row>);

// Every 8- and 16-bit value through the routines and back, against std::bitset
// and plain integer arithmetic.

template <typename Width> class Every_Value : public testing::Test {};
using Widths = testing::Types<std::integral_constant<int, 8>, std::integral_constant<int, 16>>;
TYPED_TEST_SUITE(Every_Value, Widths);

TYPED_TEST(Every_Value, UnsignedPatternsRoundTrip) {
    constexpr int width = TypeParam::value;
    for (std::uint32_t value = 0; value < (1U << width); ++value) {
        const std::string expected = Bitset_Text<width>(value);
        const std::string bits = Unsigned_To_Bits(value, width);
        ASSERT_EQ(bits, expected) << value;
        ASSERT_EQ(Bits_To_Unsigned(bits, width), static_cast<double>(value)) << bits;
    }
}

TYPED_TEST(Every_Value, SignedValuesRoundTrip) {
    constexpr int width = TypeParam::value;
    constexpr std::int32_t lowest = -(1 << (width - 1));
    constexpr std::int32_t highest = (1 << (width - 1)) - 1;
    for (std::int32_t value = lowest; value <= highest; ++value) {
        // The low `width` bits of the value's 64-bit two's complement.
        const std::string expected = Bitset_Text<width>(static_cast<std::uint64_t>(value));
        const std::string bits = Signed_To_Bits(value, width);
        ASSERT_EQ(bits, expected) << value;
        ASSERT_EQ(Bits_To_Signed(bits, width), value) << bits;
    }
    EXPECT_EQ(Signed_To_Bits(highest + 1, width), Value_Too_High);
    EXPECT_EQ(Signed_To_Bits(lowest - 1, width), Value_Too_High);
}

TYPED_TEST(Every_Value, EveryPatternReadsAsSignedAndUnsigned) {
    constexpr int width = TypeParam::value;
    for (std::uint32_t pattern = 0; pattern < (1U << width); ++pattern) {
        const std::string bits = Bitset_Text<width>(pattern);
        const bool negative = pattern >= (1U << (width - 1));
        const auto signed_value = static_cast<std::int32_t>(pattern) - (negative ? 1 << width : 0);
        ASSERT_EQ(Bits_To_Signed(bits, width), signed_value) << bits;
        ASSERT_EQ(Bits_To_Unsigned(bits, width), static_cast<double>(pattern)) << bits;
    }
}

TYPED_TEST(Every_Value, BitsRequiredMatchesBitWidth) {
    constexpr int width = TypeParam::value;
    for (std::uint32_t value = 0; value < (1U << width); ++value) {
        const int expected = std::bit_width(value);
        ASSERT_EQ(Bits_Required(value), expected) << value;
        ASSERT_EQ(Bits_Required(-static_cast<double>(value)), expected) << value;
    }
}

// A spread of 32-bit values, the extremes included.

TEST(Spread_Of_32_Bit_Values, UnsignedPatternsRoundTrip) {
    for (const std::uint32_t value : Spread_Of_32_Bit_Patterns()) {
        const std::string bits = Unsigned_To_Bits(value, 32);
        ASSERT_EQ(bits, Bitset_Text<32>(value)) << value;
        ASSERT_EQ(Bits_To_Unsigned(bits, 32), static_cast<double>(value)) << bits;
    }
}

TEST(Spread_Of_32_Bit_Values, SignedValuesRoundTrip) {
    for (const std::uint32_t pattern : Spread_Of_32_Bit_Patterns()) {
        const auto value = static_cast<std::int32_t>(pattern); // modular since C++20
        const std::string bits = Signed_To_Bits(value, 32);
        ASSERT_EQ(bits, Bitset_Text<32>(pattern)) << value;
        ASSERT_EQ(Bits_To_Signed(bits, 32), value) << bits;
    }
}

TEST(Spread_Of_32_Bit_Values, SignedValuesInWiderPatternsSignExtend) {
    for (const std::uint32_t pattern : Spread_Of_32_Bit_Patterns()) {
        const auto value = static_cast<std::int32_t>(pattern);
        const std::string bits64 = Bitset_Text<64>(static_cast<std::uint64_t>(value));
        ASSERT_EQ(Signed_To_Bits(value, 64), bits64) << value;
        ASSERT_EQ(Signed_To_Bits(value, 48), bits64.substr(16)) << value;
    }
}

TEST(Spread_Of_32_Bit_Values, NarrowWidthsRefuseWhatDoesNotFit) {
    for (const std::uint32_t pattern : Spread_Of_32_Bit_Patterns()) {
        const auto value = static_cast<std::int32_t>(pattern);
        for (const int width : {8, 16}) {
            const std::int32_t limit = 1 << (width - 1);
            const bool fits = value >= -limit && value < limit;
            const std::string bits = Signed_To_Bits(value, static_cast<std::int16_t>(width));
            if (fits) {
                ASSERT_EQ(bits, Bitset_Text<32>(pattern).substr(32 - width)) << value;
            } else {
                ASSERT_EQ(bits, Value_Too_High) << value << " in " << width;
            }
        }
    }
}

// Fractions, negatives and values past the width, against the floor of the
// value in plain integer arithmetic.
TEST(Spread_Of_32_Bit_Values, UnsignedOddValuesFollowTheirWholePart) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> values(-1e10, 1e10);
    for (int i = 0; i < 20000; ++i) {
        const double value = values(random);
        std::string expected;
        if (value >= 4294967296.0)
            expected = Repeat('1', 32);
        else if (value < 1)
            expected = Repeat('0', 32);
        else
            expected = Bitset_Text<32>(static_cast<std::uint64_t>(std::floor(value)));
        ASSERT_EQ(Unsigned_To_Bits(value, 32), expected) << value;
    }
}

// Every width from 1 to 80, against plain arithmetic on the characters.

std::string Random_Digit_Text(std::mt19937& random, std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        // Mostly "0" and "1", now and then another digit (a clear bit).
        const unsigned pick = random() % 10;
        text += pick < 8 ? static_cast<char>('0' + pick % 2) : static_cast<char>('0' + pick);
    }
    return text;
}

TEST(Every_Width, BitsToUnsignedAddsTheWeightsFromBitZeroUp) {
    std::mt19937 random(13);
    for (int width = 1; width <= 80; ++width) {
        for (int i = 0; i < 200; ++i) {
            const std::string bits = Random_Digit_Text(random, width + random() % 3);
            double expected = 0;
            for (int j = 0; j < width; ++j) {
                if (bits[static_cast<std::size_t>(width - 1 - j)] == '1')
                    expected += std::ldexp(1.0, j);
            }
            ASSERT_EQ(Bits_To_Unsigned(bits, static_cast<std::int16_t>(width)), expected) << bits;
        }
    }
}

TEST(Every_Width, BitsToSignedWeighsTheSignBitNegative) {
    std::mt19937 random(17);
    for (int width = 2; width <= 32; ++width) {
        for (int i = 0; i < 500; ++i) {
            const std::string bits = Random_Digit_Text(random, width + random() % 3);
            std::int64_t expected = bits[0] == '1' ? -(std::int64_t{1} << (width - 1)) : 0;
            for (int j = 0; j < width - 1; ++j) {
                if (bits[static_cast<std::size_t>(width - 1 - j)] == '1')
                    expected += std::int64_t{1} << j;
            }
            ASSERT_EQ(Bits_To_Signed(bits, static_cast<std::int16_t>(width)), expected) << bits;
        }
    }
}

TEST(Every_Width, UnsignedToBitsGivesTheLowBits) {
    std::mt19937_64 random(19);
    for (int width = 1; width <= 64; ++width) {
        for (int i = 0; i < 200; ++i) {
            const std::uint64_t value = random() >> (64 - width);
            const auto as_double = static_cast<double>(value);
            if (static_cast<std::uint64_t>(as_double) != value)
                continue; // not a whole number a double holds
            ASSERT_EQ(Unsigned_To_Bits(as_double, static_cast<std::int16_t>(width)),
                      Bitset_Text<64>(value).substr(static_cast<std::size_t>(64 - width)))
                << value;
        }
    }
}

TEST(Every_Width, SignedToBitsGivesTheLowBitsOfWhatFits) {
    std::mt19937 random(29);
    for (int width = 1; width <= 40; ++width) {
        for (int i = 0; i < 500; ++i) {
            const auto value = static_cast<std::int32_t>(random()) >> (random() % 32);
            const std::int64_t limit = std::int64_t{1} << (width - 1);
            const std::string bits = Signed_To_Bits(value, static_cast<std::int16_t>(width));
            if (value < -limit || value >= limit) {
                ASSERT_EQ(bits, Value_Too_High) << value << " in " << width;
            } else {
                ASSERT_EQ(bits, Bitset_Text<64>(static_cast<std::uint64_t>(value))
                                    .substr(static_cast<std::size_t>(64 - width)))
                    << value << " in " << width;
            }
        }
    }
}

// Hexadecimal against std::to_chars and std::from_chars.

TEST(Hexadecimal, DecimalToHexMatchesToChars) {
    for (const std::uint32_t pattern : Spread_Of_32_Bit_Patterns()) {
        ASSERT_EQ(Decimal_To_Hex(pattern), Upper_Hex(pattern)) << pattern;
        // A negative value shows the same digits as its 32-bit pattern.
        const auto value = static_cast<std::int32_t>(pattern);
        ASSERT_EQ(Decimal_To_Hex(value), Upper_Hex(pattern)) << value;
    }
}

TEST(Hexadecimal, UnsignedRangeAbove2147483647GivesItsDigits) {
    for (std::uint64_t value = 2147483648ULL; value <= 4294967295ULL; value += 9999991ULL)
        ASSERT_EQ(Decimal_To_Hex(static_cast<double>(value)), Upper_Hex(value)) << value;
}

TEST(Hexadecimal, HexToDecimalMatchesFromCharsUpTo13Digits) {
    std::mt19937_64 random(11);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t value = random() >> (12 + i % 52); // up to 52 bits
        const std::string text = Upper_Hex(value);
        ASSERT_EQ(Hex_To_Decimal(text), static_cast<double>(From_Hex(text))) << text;
        ASSERT_EQ(Hex_To_Decimal("000" + text), static_cast<double>(value)) << text;
    }
}

TEST(Hexadecimal, RoundTripsThroughDecimalToHex) {
    for (const std::uint32_t pattern : Spread_Of_32_Bit_Patterns())
        ASSERT_EQ(Hex_To_Decimal(Decimal_To_Hex(pattern)), static_cast<double>(pattern));
}

// Texts beyond 13 digits round: the weights are added in double precision
// from the least significant bit upwards, as the bit string is walked.
double Sum_Of_Bit_Weights_From_The_Right(const std::string& hex) {
    std::string bits;
    for (const char c : hex) {
        const std::uint64_t digit = From_Hex(std::string(1, c));
        bits += Bitset_Text<4>(digit);
    }
    double sum = 0;
    double weight = 1;
    for (auto c = bits.rbegin(); c != bits.rend(); ++c, weight *= 2) {
        if (*c == '1')
            sum += weight;
    }
    return sum;
}

TEST(Hexadecimal, LongTextsAddTheirWeightsFromTheRight) {
    std::mt19937 random(5);
    const std::string digits = "0123456789ABCDEF";
    for (int i = 0; i < 5000; ++i) {
        std::string text;
        const int length = 12 + i % 60;
        for (int d = 0; d < length; ++d)
            text += digits[random() % 16];
        ASSERT_EQ(Hex_To_Decimal(text), Sum_Of_Bit_Weights_From_The_Right(text)) << text;
    }
}

TEST(Hexadecimal, HexToDecimalNeverGivesInfinity) {
    // From 255 to 256 "F" the sum crosses the largest double.
    EXPECT_TRUE(std::isfinite(Hex_To_Decimal(Repeat('F', 255))));
    EXPECT_EQ(Failure_Number([] { Hex_To_Decimal(Repeat('F', 256)); }), Overflow);
    EXPECT_TRUE(std::isinf(Sum_Of_Bit_Weights_From_The_Right(Repeat('F', 256))));
}

// Bits_Required exact where |v| + 1 is a power of two.

TEST(Bits_Required_Exact, AtEveryPowerOfTwoUpTo2To52) {
    for (int k = 1; k <= 52; ++k) {
        const double power = std::ldexp(1.0, k);
        EXPECT_EQ(Bits_Required(power - 1), k) << "2^" << k << " - 1";
        EXPECT_EQ(Bits_Required(power), k + 1) << "2^" << k;
        EXPECT_EQ(Bits_Required(-(power - 1)), k) << "-(2^" << k << " - 1)";
    }
}

TEST(Bits_Required_Exact, MatchesBitWidthOverASpreadOf53BitValues) {
    std::mt19937_64 random(3);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t value = random() >> (11 + i % 53);
        ASSERT_EQ(Bits_Required(static_cast<double>(value)), std::bit_width(value)) << value;
    }
}

// A fraction needs as many bits as the smallest power of two that reaches
// |v| + 1, which long double computes exactly for these values.
TEST(Bits_Required_Exact, FractionsRoundTheLogarithmUp) {
    std::mt19937 random(9);
    std::uniform_real_distribution<double> values(-70000, 70000);
    for (int i = 0; i < 20000; ++i) {
        const double value = values(random);
        const long double needed = std::fabs(static_cast<long double>(value)) + 1;
        int expected = 0;
        while (std::ldexp(1.0L, expected) < needed)
            ++expected;
        ASSERT_EQ(Bits_Required(value), expected) << value;
    }
}

} // namespace
