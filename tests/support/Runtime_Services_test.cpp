// SPDX-License-Identifier: MIT
#include "Runtime_Services.h"
#include "Test_Tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <locale>
#include <optional>
#include <ostream>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace Runtime_Services;

namespace {

using Test_Tables::Failure_Number;
using Test_Tables::Row_Name;

using Test_Tables::PrintTo;

const Number_Format German_Format{",", "."};

constexpr double Largest = std::numeric_limits<double>::max();

// The parser: accepted texts with their value and canonical text.

struct Accepted_Row {
    std::string name;
    std::string text;
    double value;
    std::string canonical;
};

class Accepted_Text : public testing::TestWithParam<Accepted_Row> {};

TEST_P(Accepted_Text, ConvertsAndHasItsCanonicalText) {
    const auto& row = GetParam();
    EXPECT_TRUE(Is_Numeric(row.text));
    const auto parsed = Parse_Number(row.text);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, row.value);
    EXPECT_EQ(To_Double(row.text), row.value);
    EXPECT_EQ(Canonical_Number_Text(*parsed), row.canonical);
}

INSTANTIATE_TEST_SUITE_P(
    DefaultFormat, Accepted_Text,
    testing::Values(
        Accepted_Row{"GroupedThousand", "1,000", 1000, "1000"},
        Accepted_Row{"BlanksAndLeadingZeros", " 007 ", 7, "7"},
        Accepted_Row{"ExponentUpperCase", "1E2", 100, "100"},
        Accepted_Row{"ExponentLowerCase", "1e2", 100, "100"},
        Accepted_Row{"PlusSign", "+12", 12, "12"},
        Accepted_Row{"TrailingFractionZero", "1.50", 1.5, "1.5"},
        Accepted_Row{"Tabs", "\t5\t", 5, "5"}, Accepted_Row{"MinusZero", "-0", 0, "0"},
        Accepted_Row{"MinusZeroFraction", "-0.000", 0, "0"},
        Accepted_Row{"MinusWithExponent", "-1.5E-3", -0.0015, "-0.0015"},
        Accepted_Row{"ExponentPlusSign", "2.5E+3", 2500, "2500"},
        Accepted_Row{"LeadingDecimalSeparator", ".5", 0.5, "0.5"},
        Accepted_Row{"TrailingDecimalSeparator", "5.", 5, "5"},
        Accepted_Row{"SeveralGroups", "4,294,967,295", 4294967295.0, "4294967295"},
        Accepted_Row{"Lowest32Bit", "-2147483648", -2147483648.0, "-2147483648"},
        Accepted_Row{"FifteenDigitsStayPlain", "999999999999999", 999999999999999.0,
                     "999999999999999"},
        Accepted_Row{"TenToThe15IsExponentForm", "1000000000000000", 1e15, "1E+15"},
        Accepted_Row{"SixteenDigitsRoundTo15", "1234567890123456", 1234567890123456.0,
                     "1.23456789012346E+15"},
        Accepted_Row{"SmallFraction", "0.0001", 0.0001, "0.0001"},
        Accepted_Row{"SmallerFractionIsExponentForm", "0.00001", 0.00001, "1E-05"},
        Accepted_Row{"LongFractionRoundsTo15", "0.1234567890123456789", 0.1234567890123456789,
                     "0.123456789012346"},
        Accepted_Row{"LargestDouble", "1.7976931348623157E308", Largest, "1.79769313486231E+308"},
        Accepted_Row{"LowestSubnormal", "4.9406564584124654E-324",
                     std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        Accepted_Row{"ZeroWithHugeExponent", "0E400", 0, "0"},
        Accepted_Row{"LongExponent", "1E0000000000000000002", 100, "100"}),
    Row_Name<Accepted_Row>);

struct Rejected_Row {
    std::string name;
    std::string text;
};

class Rejected_Text : public testing::TestWithParam<Rejected_Row> {};

// A number beyond the double range ("1E400", and "1E-400", which would
// silently become 0) is not numeric, so it never turns into infinity.
TEST_P(Rejected_Text, IsNotNumericAndFailsWith13) {
    const auto& row = GetParam();
    EXPECT_FALSE(Is_Numeric(row.text));
    EXPECT_FALSE(Parse_Number(row.text).has_value());
    EXPECT_EQ(Failure_Number([&] { To_Double(row.text); }), Failure::Type_Mismatch);
}

INSTANTIATE_TEST_SUITE_P(
    DefaultFormat, Rejected_Text,
    testing::Values(
        Rejected_Row{"Empty", ""}, Rejected_Row{"Blank", " "}, Rejected_Row{"SignAlone", "-"},
        Rejected_Row{"PlusAlone", "+"}, Rejected_Row{"HexDigits", "FF"},
        Rejected_Row{"ExponentWithoutDigits", "1E"},
        Rejected_Row{"ExponentSignWithoutDigits", "1E+"},
        Rejected_Row{"TwoDecimalSeparators", "1.2.3"}, Rejected_Row{"TrailingLetters", "12abc"},
        Rejected_Row{"BeyondDoubleRange", "1E400"},
        Rejected_Row{"NegativeBeyondDoubleRange", "-1E400"},
        Rejected_Row{"BelowSmallestDouble", "1E-400"},
        Rejected_Row{"JustAboveLargestDouble", "1.7976931348623159E308"},
        Rejected_Row{"DecimalSeparatorAlone", "."}, Rejected_Row{"GroupSeparatorFirst", ",5"},
        Rejected_Row{"GroupSeparatorInFraction", "1.000,5"}, Rejected_Row{"BlankInside", "1 000"},
        Rejected_Row{"TwoSigns", "+-1"}, Rejected_Row{"DoubleMinus", "--1"},
        Rejected_Row{"TrailingSign", "1-"}, Rejected_Row{"BlankAfterSign", "- 1"},
        Rejected_Row{"FractionalExponent", "1E2.5"}, Rejected_Row{"TwoExponents", "1E2E3"},
        Rejected_Row{"Infinity", "inf"}, Rejected_Row{"NotANumber", "nan"},
        Rejected_Row{"HexPrefix", "0x10"}, Rejected_Row{"AmpersandHexPrefix", "&HFF"},
        Rejected_Row{"ZeroByteInside", std::string("1\0"
                                                   "2",
                                                   3)},
        Rejected_Row{"FullWidthDigit", "\xEF\xBC\x91"}),
    Row_Name<Rejected_Row>);

// A German-style format: decimal ",", group ".".

using Format_Row = Test_Tables::Row<std::string, std::optional<double>>;

class German_Text : public testing::TestWithParam<Format_Row> {};

TEST_P(German_Text, ReadsWithTheLocaleSeparators) {
    const auto& row = GetParam();
    EXPECT_EQ(Parse_Number(row.input, German_Format), row.expected);
    EXPECT_EQ(Is_Numeric(row.input, German_Format), row.expected.has_value());
}

INSTANTIATE_TEST_SUITE_P(GermanFormat, German_Text,
                         testing::Values(Format_Row{"GroupedWithFraction", "1.000,5", 1000.5},
                                         Format_Row{"CommaIsTheDecimalSeparator", "1,5", 1.5},
                                         Format_Row{"DotGroupsDigits", "1.5", 15.0},
                                         Format_Row{"ExponentWithDecimalComma", "2,5E-3", 0.0025},
                                         Format_Row{"Blanks", " -3,25 ", -3.25},
                                         Format_Row{"TwoDecimalSeparators", "1,2,3", std::nullopt},
                                         Format_Row{"GroupInFraction", "1,000.5", std::nullopt},
                                         Format_Row{"GroupFirst", ".5", std::nullopt}),
                         Row_Name<Format_Row>);

TEST(German_Format, CanonicalTextUsesTheDecimalComma) {
    EXPECT_EQ(Canonical_Number_Text(1.5, German_Format), "1,5");
    EXPECT_EQ(Canonical_Number_Text(-1234567.25, German_Format), "-1234567,25");
    EXPECT_EQ(Canonical_Number_Text(1.5e-5, German_Format), "1,5E-05");
    EXPECT_EQ(Canonical_Number_Text(1e20, German_Format), "1E+20");
    EXPECT_EQ(Canonical_Number_Text(1234567, German_Format), "1234567");
}

TEST(Multi_Byte_Separators, NarrowNoBreakSpaceGroupsDigits) {
    const Number_Format french{",", "\xE2\x80\xAF"};
    EXPECT_EQ(Parse_Number("1\xE2\x80\xAF"
                           "000,5",
                           french),
              1000.5);
    EXPECT_EQ(Canonical_Number_Text(1000.5, french), "1000,5");
}

// Canonical number text.

using Canonical_Row = Test_Tables::Row<double, std::string>;

class Canonical_Text : public testing::TestWithParam<Canonical_Row> {};

TEST_P(Canonical_Text, FollowsTheRules) {
    const auto& row = GetParam();
    EXPECT_EQ(Canonical_Number_Text(row.input), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Canonical_Text,
    testing::Values(
        Canonical_Row{"Zero", 0.0, "0"}, Canonical_Row{"MinusZeroHasNoSign", -0.0, "0"},
        Canonical_Row{"Minus1", -1, "-1"},
        Canonical_Row{"Highest32Bit", 4294967295.0, "4294967295"},
        Canonical_Row{"LargestPlainWhole", 999999999999999.0, "999999999999999"},
        Canonical_Row{"LowestPlainWhole", -999999999999999.0, "-999999999999999"},
        Canonical_Row{"TenToThe15", 1e15, "1E+15"},
        Canonical_Row{"MinusTenToThe15", -1e15, "-1E+15"},
        Canonical_Row{"TwoToThe53", 9007199254740992.0, "9.00719925474099E+15"},
        Canonical_Row{"TenToThe300", 1e300, "1E+300"},
        Canonical_Row{"FractionKeepsItsDigits", 123456.789, "123456.789"},
        Canonical_Row{"TenthPlusTwoTenths", 0.1 + 0.2, "0.3"},
        Canonical_Row{"OneThird", 1.0 / 3, "0.333333333333333"},
        Canonical_Row{"TwoThirds", 2.0 / 3, "0.666666666666667"},
        Canonical_Row{"MinusOneThird", -1.0 / 3, "-0.333333333333333"},
        Canonical_Row{"FractionRoundsToWhole15Digits", 123456789012345.5, "123456789012346"},
        Canonical_Row{"NearlyTenToThe15", 999999999999999.5, "1E+15"},
        Canonical_Row{"TenToTheMinus4", 1e-4, "0.0001"},
        Canonical_Row{"TenToTheMinus5", 1e-5, "1E-05"},
        Canonical_Row{"MinusTenToTheMinus300", -1e-300, "-1E-300"},
        Canonical_Row{"LargestDouble", Largest, "1.79769313486231E+308"},
        Canonical_Row{"LowestDouble", -Largest, "-1.79769313486231E+308"},
        Canonical_Row{"FirstToPrintRoundedDown", 1.797693134862315e308, "1.79769313486231E+308"},
        Canonical_Row{"LastToPrintNormally", 1.7976931348623149e308, "1.79769313486231E+308"},
        Canonical_Row{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(),
                      "4.94065645841247E-324"}),
    Row_Name<Canonical_Row>);

TEST(Canonical_Text_Failures, InfinityAndNaNHaveNoNumberText) {
    for (const double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(Failure_Number([&] { Canonical_Number_Text(value); }), Failure::Overflow)
            << value;
}

int Significant_Digits(const std::string& text) {
    const std::string mantissa = text.substr(0, text.find('E'));
    std::string digits;
    for (const char c : mantissa) {
        if (c >= '0' && c <= '9')
            digits += c;
    }
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    const auto last = digits.find_last_not_of('0');
    // Trailing zeros of a whole number count: they are digits of the value.
    const bool whole = mantissa.find_first_of(".,") == std::string::npos;
    return static_cast<int>((whole ? digits.size() : last + 1) - first);
}

// Random bit patterns cover every exponent of the double range.
std::vector<double> Spread_Of_Doubles() {
    std::vector<double> values;
    std::mt19937_64 random(42);
    while (values.size() < 30000) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value))
            values.push_back(value);
    }
    std::uniform_real_distribution<double> moderate(-1e16, 1e16);
    for (int i = 0; i < 10000; ++i) {
        values.push_back(moderate(random));
        values.push_back(std::trunc(moderate(random) / 10)); // whole numbers
        values.push_back(std::trunc(moderate(random)) / 1000);
    }
    return values;
}

TEST(Canonical_Text_Spread, ReadsBackWithin15SignificantDigits) {
    const std::regex exponent_form(R"(-?[1-9](\.[0-9]*[1-9])?E[+-][0-9]{2,3})");
    for (const auto& format : {Number_Format{}, German_Format}) {
        for (const double value : Spread_Of_Doubles()) {
            const std::string text = Canonical_Number_Text(value, format);
            const auto back = Parse_Number(text, format);
            ASSERT_TRUE(back.has_value()) << text;
            ASSERT_LE(std::fabs(*back - value), std::fabs(value) * 1e-14) << text;
            ASSERT_LE(Significant_Digits(text), 15) << text;
            ASSERT_EQ(text.front() == '-', value < 0) << text;
            ASSERT_EQ(text.find(format.group_separator), std::string::npos) << text;
            const double magnitude = std::fabs(value);
            if (value == std::trunc(value) && magnitude < 1e15) {
                ASSERT_EQ(text, std::to_string(static_cast<long long>(value)));
            }
            if (magnitude >= 1e15 || (magnitude != 0 && magnitude < 9.9999999999999e-5)) {
                std::string plain = text;
                if (format.decimal_separator != ".")
                    std::replace(plain.begin(), plain.end(), ',', '.');
                ASSERT_TRUE(std::regex_match(plain, exponent_form)) << text;
            }
            if (magnitude >= 1e-4 && magnitude < 9.9999999999999e14) {
                ASSERT_EQ(text.find('E'), std::string::npos) << text;
            }
        }
    }
}

// The property that makes the numeric-text test trustworthy: a text that
// passes it always converts, to the value that an independent reading gives.

struct Separators {
    char decimal;
    char group;
};

std::string Escaped(char c) {
    return std::string("\\") + c;
}

// The accepted texts as a regular expression, written apart from the parser.
std::regex Numeric_Grammar(Separators separators) {
    const std::string d = Escaped(separators.decimal);
    const std::string g = Escaped(separators.group);
    return std::regex("[ \\t]*[+-]?(?:[0-9](?:[0-9]|" + g + ")*(?:" + d + "[0-9]*)?|" + d +
                      "[0-9]+)(?:[Ee][+-]?[0-9]+)?[ \\t]*");
}

// The classic locale's stream reading of the text without blanks and group
// separators; a nonzero text that leaves the double range has no value.
std::optional<double> Independent_Value(const std::string& text, Separators separators) {
    std::string plain;
    bool nonzero_digit = false;
    bool in_exponent = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == separators.group)
            continue;
        if (c == 'E' || c == 'e')
            in_exponent = true;
        if (!in_exponent && c >= '1' && c <= '9')
            nonzero_digit = true;
        plain += c == separators.decimal ? '.' : c;
    }
    std::istringstream in(plain);
    in.imbue(std::locale::classic());
    double value = 0;
    in >> value; // fails beyond the largest double
    if (in.fail() || (value == 0 && nonzero_digit))
        return std::nullopt;
    return value == 0 ? 0.0 : value;
}

// Texts near the grammar: numeric pieces in random order and number, then a
// few random edits.
std::vector<std::string> Generated_Texts(Separators separators, unsigned seed) {
    const std::string alphabet = std::string("0123456789+-Ee \tAF.,x") + separators.decimal;
    std::mt19937 random(seed);
    auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    auto digits = [&](int most) {
        std::string text;
        const int count = static_cast<int>(random() % static_cast<unsigned>(most + 1));
        for (int i = 0; i < count; ++i)
            text += static_cast<char>('0' + random() % 10);
        return text;
    };
    std::vector<std::string> texts;
    for (int i = 0; i < 40000; ++i) {
        std::string text;
        if (chance(20))
            text += chance(50) ? " " : "\t";
        if (chance(40))
            text += chance(50) ? "-" : "+";
        text += digits(4);
        while (chance(30))
            text += separators.group + digits(3);
        if (chance(50))
            text += separators.decimal + digits(6);
        if (chance(40)) {
            text += chance(50) ? "E" : "e";
            if (chance(50))
                text += chance(50) ? "-" : "+";
            text += digits(3);
        }
        if (chance(20))
            text += " ";
        for (int edits = static_cast<int>(random() % 4) - 1; edits > 0; --edits) {
            const char c = alphabet[random() % alphabet.size()];
            const auto at = text.empty() ? 0 : random() % (text.size() + 1);
            if (chance(50) || text.empty())
                text.insert(text.begin() + static_cast<long>(at), c);
            else
                text[at == text.size() ? at - 1 : at] = c;
        }
        texts.push_back(text);
    }
    return texts;
}

struct Property_Row {
    std::string name;
    Number_Format format;
    Separators separators;
};

class Text_Passing_The_Test : public testing::TestWithParam<Property_Row> {};

TEST_P(Text_Passing_The_Test, AlwaysConverts) {
    const auto& row = GetParam();
    const std::regex grammar = Numeric_Grammar(row.separators);
    int numeric = 0;
    for (const std::string& text : Generated_Texts(row.separators, 17)) {
        const std::optional<double> expected = std::regex_match(text, grammar)
                                                   ? Independent_Value(text, row.separators)
                                                   : std::nullopt;
        ASSERT_EQ(Is_Numeric(text, row.format), expected.has_value()) << "[" << text << "]";
        if (!expected) {
            ASSERT_EQ(Failure_Number([&] { To_Double(text, row.format); }), Failure::Type_Mismatch)
                << "[" << text << "]";
            continue;
        }
        ++numeric;
        double value = 0;
        ASSERT_EQ(Failure_Number([&] { value = To_Double(text, row.format); }), 0)
            << "[" << text << "]";
        ASSERT_EQ(value, *expected) << "[" << text << "]";
        ASSERT_TRUE(std::isfinite(value));
        ASSERT_TRUE(Parse_Number(Canonical_Number_Text(value, row.format), row.format).has_value())
            << "[" << text << "]";
    }
    // The spread must exercise both sides.
    EXPECT_GT(numeric, 5000);
    EXPECT_LT(numeric, 35000);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, Text_Passing_The_Test,
    testing::Values(Property_Row{"DefaultFormat", Number_Format{}, Separators{'.', ','}},
                    Property_Row{"GermanFormat", German_Format, Separators{',', '.'}}),
    Row_Name<Property_Row>);

// Rounding, halves to the even neighbour.

using Rounding_Row = Test_Tables::Row<double, double>;

class Rounding : public testing::TestWithParam<Rounding_Row> {};

TEST_P(Rounding, GoesToTheNearestHalvesToEven) {
    const auto& row = GetParam();
    EXPECT_EQ(Round_Half_Even(row.input), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    HalvesAndNeighbours, Rounding,
    testing::Values(Rounding_Row{"Plus2Point5To2", 2.5, 2}, Rounding_Row{"Plus3Point5To4", 3.5, 4},
                    Rounding_Row{"Minus2Point5ToMinus2", -2.5, -2},
                    Rounding_Row{"Minus3Point5ToMinus4", -3.5, -4},
                    Rounding_Row{"Plus0Point5To0", 0.5, 0},
                    Rounding_Row{"Minus0Point5To0", -0.5, 0},
                    Rounding_Row{"Plus1Point5To2", 1.5, 2},
                    Rounding_Row{"JustBelowAHalf", 2.4999999999999996, 2},
                    Rounding_Row{"JustAboveAHalf", 2.5000000000000004, 3},
                    Rounding_Row{"Minus2Point6", -2.6, -3},
                    Rounding_Row{"LargestHalf", 4503599627370495.5, 4503599627370496.0},
                    Rounding_Row{"LargestHalfButOne", 4503599627370494.5, 4503599627370494.0},
                    Rounding_Row{"WholeStaysWhole", 1e300, 1e300}),
    Row_Name<Rounding_Row>);

TEST(Rounding_Spread, MatchesNearbyIntInEveryRoundingMode) {
    std::vector<double> values;
    std::mt19937 random(23);
    std::uniform_int_distribution<int> wholes(-1000000, 1000000);
    std::uniform_real_distribution<double> anything(-1e7, 1e7);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(wholes(random) + 0.5);
        values.push_back(anything(random));
    }
    std::vector<double> expected;
    for (const double value : values)
        expected.push_back(std::nearbyint(value)); // the default mode: nearest, ties to even
    for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        std::vector<double> rounded;
        std::fesetround(mode);
        for (const double value : values)
            rounded.push_back(Round_Half_Even(value));
        std::fesetround(FE_TONEAREST);
        for (std::size_t i = 0; i < values.size(); ++i)
            ASSERT_EQ(rounded[i], expected[i]) << values[i] << " in mode " << mode;
    }
}

// Conversions to 16- and 32-bit integers.

// Nothing expected: the conversion fails with Overflow.
using Integer_Row = Test_Tables::Row<double, std::optional<std::int32_t>>;

template <auto Convert> class To_Int_Case : public testing::TestWithParam<Integer_Row> {
protected:
    void Expect_Row() const {
        const auto& row = GetParam();
        if (row.expected)
            EXPECT_EQ(Convert(row.input), *row.expected);
        else
            EXPECT_EQ(Failure_Number([&] { Convert(row.input); }), Failure::Overflow);
    }
};
using To_Int16_Case = To_Int_Case<To_Int16>;
using To_Int32_Case = To_Int_Case<To_Int32>;

TEST_P(To_Int16_Case, RoundsThenChecksTheRange) {
    Expect_Row();
}
TEST_P(To_Int32_Case, RoundsThenChecksTheRange) {
    Expect_Row();
}

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double Not_A_Number = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Range, To_Int16_Case,
    testing::Values(Integer_Row{"Highest", 32767, 32767}, Integer_Row{"Lowest", -32768, -32768},
                    Integer_Row{"HighestPlusFractionRoundsDown", 32767.4, 32767},
                    Integer_Row{"HalfBelowHighestRoundsToEven", 32766.5, 32766},
                    Integer_Row{"HalfAboveHighestRoundsOut", 32767.5, std::nullopt},
                    Integer_Row{"HalfBelowLowestRoundsIn", -32768.5, -32768},
                    Integer_Row{"BelowLowest", -32768.6, std::nullopt},
                    Integer_Row{"Plus2Point5", 2.5, 2},
                    Integer_Row{"Plus40000", 40000, std::nullopt},
                    Integer_Row{"PlusInfinity", Infinity, std::nullopt},
                    Integer_Row{"MinusInfinity", -Infinity, std::nullopt},
                    Integer_Row{"NotANumber", Not_A_Number, std::nullopt}),
    Row_Name<Integer_Row>);

INSTANTIATE_TEST_SUITE_P(
    Range, To_Int32_Case,
    testing::Values(Integer_Row{"Highest", 2147483647, 2147483647},
                    Integer_Row{"Lowest", -2147483648.0, std::numeric_limits<std::int32_t>::min()},
                    Integer_Row{"HalfBelowHighestRoundsToEven", 2147483646.5, 2147483646},
                    Integer_Row{"HalfAboveHighestRoundsOut", 2147483647.5, std::nullopt},
                    Integer_Row{"HalfBelowLowestRoundsIn", -2147483648.5,
                                std::numeric_limits<std::int32_t>::min()},
                    Integer_Row{"BelowLowest", -2147483649.0, std::nullopt},
                    Integer_Row{"Minus3Point5", -3.5, -4},
                    Integer_Row{"Plus4294967295", 4294967295.0, std::nullopt},
                    Integer_Row{"PlusInfinity", Infinity, std::nullopt},
                    Integer_Row{"MinusInfinity", -Infinity, std::nullopt},
                    Integer_Row{"NotANumber", Not_A_Number, std::nullopt}),
    Row_Name<Integer_Row>);

TEST(To_Int16_Spread, AgreesWithIntegerArithmeticOverTheEdges) {
    for (int whole = -33000; whole <= 33000; ++whole) {
        for (const double fraction : {-0.5, -0.25, 0.0, 0.25, 0.5}) {
            const double value = whole + fraction;
            // Halves go to the even neighbour of the two candidates.
            int expected = whole;
            if (fraction == 0.5)
                expected = whole % 2 == 0 ? whole : whole + 1;
            else if (fraction == -0.5)
                expected = whole % 2 == 0 ? whole : whole - 1;
            if (expected < -32768 || expected > 32767)
                ASSERT_EQ(Failure_Number([&] { To_Int16(value); }), Failure::Overflow) << value;
            else
                ASSERT_EQ(To_Int16(value), expected) << value;
        }
    }
}

// The one-character conversion.

TEST(Digit_Value_Conversion, DigitsGiveTheirValue) {
    for (char c = '0'; c <= '9'; ++c)
        EXPECT_EQ(Digit_Value(std::string(1, c)), c - '0');
}

struct Not_A_Digit_Row {
    std::string name;
    std::string text;
};

class Not_A_Digit : public testing::TestWithParam<Not_A_Digit_Row> {};

TEST_P(Not_A_Digit, FailsWith13) {
    EXPECT_EQ(Failure_Number([&] { Digit_Value(GetParam().text); }), Failure::Type_Mismatch);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Not_A_Digit,
    testing::Values(
        Not_A_Digit_Row{"Empty", ""}, Not_A_Digit_Row{"Blank", " "},
        Not_A_Digit_Row{"UpperCaseLetter", "A"}, Not_A_Digit_Row{"LowerCaseLetter", "f"},
        Not_A_Digit_Row{"Minus", "-"}, Not_A_Digit_Row{"Plus", "+"}, Not_A_Digit_Row{"Dot", "."},
        Not_A_Digit_Row{"Comma", ","}, Not_A_Digit_Row{"TwoDigits", "12"},
        Not_A_Digit_Row{"DigitWithBlank", "1 "}, Not_A_Digit_Row{"ZeroByte", std::string(1, '\0')},
        Not_A_Digit_Row{"FullWidthOne", "\xEF\xBC\x91"},
        Not_A_Digit_Row{"ArabicIndicThree", "\xD9\xA3"}, Not_A_Digit_Row{"HighByte", "\xB9"}),
    Row_Name<Not_A_Digit_Row>);

// Failure numbers and their descriptions.

using Description_Row = Test_Tables::Row<int, std::string>;

class Description : public testing::TestWithParam<Description_Row> {};

TEST_P(Description, IsFixedEnglish) {
    const auto& row = GetParam();
    EXPECT_EQ(Error_Description(row.input), row.expected);
    if (row.input != 0) {
        const Run_Time_Failure failure(row.input);
        EXPECT_EQ(failure.number(), row.input);
        EXPECT_EQ(std::string(failure.what()), row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, Description,
    testing::Values(Description_Row{"NoFailure", 0, ""},
                    Description_Row{"InvalidProcedureCall", Failure::Invalid_Procedure_Call,
                                    "Invalid procedure call or argument"},
                    Description_Row{"Overflow", Failure::Overflow, "Overflow"},
                    Description_Row{"OutOfMemory", Failure::Out_Of_Memory, "Out of memory"},
                    Description_Row{"SubscriptOutOfRange", Failure::Subscript_Out_Of_Range,
                                    "Subscript out of range"},
                    Description_Row{"DivisionByZero", Failure::Division_By_Zero,
                                    "Division by zero"},
                    Description_Row{"TypeMismatch", Failure::Type_Mismatch, "Type mismatch"},
                    Description_Row{"InternalErrorIsGeneric", Failure::Internal_Error,
                                    "Application-defined or object-defined error"}),
    Row_Name<Description_Row>);

TEST(Description_Numbers, TheNumbersAreThoseTheProgramReports) {
    EXPECT_EQ(Failure::Invalid_Procedure_Call, 5);
    EXPECT_EQ(Failure::Overflow, 6);
    EXPECT_EQ(Failure::Out_Of_Memory, 7);
    EXPECT_EQ(Failure::Subscript_Out_Of_Range, 9);
    EXPECT_EQ(Failure::Division_By_Zero, 11);
    EXPECT_EQ(Failure::Type_Mismatch, 13);
}

TEST(Description_Numbers, AnyOtherNumberHasOneGenericText) {
    const std::string generic = Error_Description(1);
    EXPECT_FALSE(generic.empty());
    const std::set<int> known = {5, 6, 7, 9, 11, 13}; // 51 has the generic text
    for (const int number : {-6, -1, 1, 2, 3, 4, 8, 10, 12, 14, 50, 51, 52, 1000, 32767}) {
        EXPECT_EQ(Error_Description(number), generic) << number;
    }
    std::set<std::string> texts;
    for (const int number : known)
        texts.insert(Error_Description(number));
    EXPECT_EQ(texts.size(), known.size()); // every known number has its own text
    EXPECT_EQ(texts.count(generic), 0U);
    EXPECT_EQ(texts.count(""), 0U);
}

TEST(Power_Of_Two_Values, MatchLdexpOverTheWholeRange) {
    for (int exponent = -1100; exponent <= 1100; ++exponent)
        ASSERT_EQ(Power_Of_Two(exponent), std::ldexp(1.0, exponent)) << exponent;
}

} // namespace
