// SPDX-License-Identifier: MIT
// Twenty thousand random user events on the real main window, in four runs
// of 5,000 on a fresh window each (each its own test, so that they run side
// by side and each stays well inside the test timeout under the sanitizers).
// Every run prints its seed first, so that any failure can be replayed.
//
// Below them, the monkey's own expectations, held against the rows'
// documented results, so that a wrong expectation cannot pass for a fault of
// the window.
#include "Main_Window_Fixture.h"
#include "Monkey.h"
#include "Test_Tables.h"

#include <gtest/gtest.h>
#include <iostream>

namespace {

using Test_Tables::PrintTo;

constexpr int Runs = 4;
constexpr int Default_Events = 5000; // per run

class Monkey_Test : public Main_Window_Test, public testing::WithParamInterface<int> {
protected:
    static std::string Test_Name() {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        return std::string(info->test_suite_name()) + "." + info->name();
    }
};

TEST_P(Monkey_Test, RandomEventsNeverCrashHangOrLeaveARowInconsistent) {
    const std::uint64_t seed = Monkey_Seed::Seed();
    const int events = Monkey_Seed::Events(Default_Events);
    const std::string replay = Monkey_Seed::Replay_Hint(seed, Test_Name());
    std::cout << "monkey: " << events << " events, " << replay << std::endl;
    RecordProperty("seed", std::to_string(seed));
    Crash_Report::Arm(seed);

    Monkey monkey(*window, seed);
    QString problem;
    for (int index = 0; index < events && problem.isEmpty(); ++index) {
        Crash_Report::At_Event(index);
        problem = monkey.Step(index);
    }
    if (problem.isEmpty())
        problem = monkey.Final_Enter_In_Every_Row();
    Crash_Report::Disarm();

    std::cout << "monkey: slowest event " << monkey.Slowest_Milliseconds() << " ms of CPU time, "
              << monkey.Slowest_Wall_Milliseconds() << " ms in all ("
              << monkey.Slowest_Event().toStdString() << ")\n"
              << "monkey: log lines " << monkey.Log_Tally().toStdString() << std::endl;
    EXPECT_TRUE(problem.isEmpty()) << problem.toStdString() << "\n"
                                   << replay << "\nlast events:\n"
                                   << monkey.Recent_Events().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, Monkey_Test, testing::Range(1, Runs + 1),
                         [](const auto& info) { return "Window_" + std::to_string(info.param); });

struct Outcome_Case {
    const char* name;
    int row;
    const char* field;
    const char* status;  // nullptr: the status keeps its text
    const char* toggles; // nullptr: the toggles keep their states
    int failure;
};

class Expected_Outcomes : public testing::TestWithParam<Outcome_Case> {};

TEST_P(Expected_Outcomes, MatchTheDocumentedResult) {
    const Outcome_Case& c = GetParam();
    const Expected_Outcome outcome =
        Expected_After_Conversion(c.row, QString::fromUtf8(c.field), QStringLiteral("."));
    EXPECT_TRUE(outcome.field_problem.isEmpty()) << outcome.field_problem.toStdString();
    EXPECT_EQ(outcome.status.value_or(QStringLiteral("(kept)")).toStdString(),
              c.status ? c.status : "(kept)");
    EXPECT_EQ(outcome.toggles.value_or(QStringLiteral("(kept)")).toStdString(),
              c.toggles ? c.toggles : "(kept)");
    EXPECT_EQ(outcome.failure, c.failure);
}

const Outcome_Case Outcome_Cases[] = {
    {"row0_200", 0, "200", "200 = 11001000", "11001000", 0},
    {"row0_256_refused", 0, "256", "256 is to large to process", nullptr, 0},
    {"row0_2_7_rounds", 0, "2.7", "2.7 = 00000011", "00000011", 0},
    {"row0_2_5_to_even", 0, "2.5", "2.5 = 00000010", "00000010", 0},
    {"row0_negative_zeros", 0, "-5", "-5 = 00000000", "00000000", 0},
    {"row1_beyond_int32_overflows", 1, "-3000000000", nullptr, nullptr, 6},
    {"row2_2_7_drops_fraction", 2, "2.7", "2.7 = 00000000000000000000000000000010",
     "00000000000000000000000000000010", 0},
    {"row2_huge_negative_zeros", 2, "-1E+300", "-1E+300 = 00000000000000000000000000000000",
     "00000000000000000000000000000000", 0},
    {"row3_minus_one", 3, "-1", "-1 = 11111111", "11111111", 0},
    {"row3_minus_129_too_high", 3, "-129", "-129 = Value too High", nullptr, 13},
    {"row4_40000_refused", 4, "40000", "40000 is to large to process", nullptr, 0},
    {"row5_lowest", 5, "-2147483648", "-2147483648 = 10000000000000000000000000000000",
     "10000000000000000000000000000000", 0},
    {"row5_below_int32", 5, "-2147483649", nullptr, nullptr, 6},
    {"row6_zero", 6, "0", "0 requires 1 bits, MSB is bit 0 = 1", nullptr, 0},
    {"row6_256", 6, "256", "256 requires 9 bits, MSB is bit 8 = 256", nullptr, 0},
    {"row6_2_5", 6, "2.5", "2.5 requires 2 bits, MSB is bit 1 = 2", nullptr, 0},
    {"row6_2147483647", 6, "2147483647", "2147483647 requires 31 bits, MSB is bit 30 = 1073741824",
     nullptr, 0},
    {"row6_negative", 6, "-1", "Sorry, only positive numbers are accepted", nullptr, 0},
    {"row6_refused", 6, "3000000000", "3000000000 is to large to process", nullptr, 0},
    {"row7_255", 7, "255", "[Decimal] 255 = [Hexadecimal] FF", nullptr, 0},
    {"row7_minus_one", 7, "-1", "[Decimal] -1 = [Hexadecimal] FFFFFFFF", nullptr, 0},
    {"row7_unsigned_range", 7, "3000000000", "[Decimal] 3000000000 = [Hexadecimal] B2D05E00",
     nullptr, 0},
    {"row7_below_int32", 7, "-2147483649", nullptr, nullptr, 6},
    {"row8_FF", 8, "FF", "[Hexadecimal] FF = [Decimal] 255", nullptr, 0},
    {"row8_leading_zeros", 8, "000010", "[Hexadecimal] 000010 = [Decimal] 16", nullptr, 0},
    {"row8_lower_case_mismatch", 8, "ff", nullptr, nullptr, 13},
    {"row8_exponent_text_mismatch", 8, "1E+20", nullptr, nullptr, 13},
};

INSTANTIATE_TEST_SUITE_P(Rows, Expected_Outcomes, testing::ValuesIn(Outcome_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Expected_Outcome, FieldThatNoConversionLeavesIsReported) {
    for (const char* field : {"007", "1e5", "1,000", "", "12345678901234567", "1E+05"})
        EXPECT_FALSE(Expected_After_Conversion(0, QString::fromUtf8(field), QStringLiteral("."))
                         .field_problem.isEmpty())
            << field;
}

TEST(Expected_Outcome, LongHexadecimalTextIsComparedNumerically) {
    const Expected_Outcome outcome =
        Expected_After_Conversion(8, QStringLiteral("FFFFFFFFFFFFFFFF"), QStringLiteral("."));
    ASSERT_TRUE(outcome.approximate_decimal.has_value());
    EXPECT_EQ(*outcome.approximate_decimal, 18446744073709551615.0L);
    EXPECT_EQ(
        Expected_After_Conversion(8, QString(300, QLatin1Char('F')), QStringLiteral(".")).failure,
        6);
}

struct Field_Case {
    const char* name;
    int row;
    const char* input;
    const char* field; // nullptr: not known without the program's parser
};

class Expected_Fields : public testing::TestWithParam<Field_Case> {};

TEST_P(Expected_Fields, AreTheCanonicalTextOrUnknown) {
    const Field_Case& c = GetParam();
    const auto field = Expected_Field(c.row, QString::fromUtf8(c.input), QStringLiteral("."));
    EXPECT_EQ(field.value_or(QStringLiteral("(unknown)")).toStdString(),
              c.field ? c.field : "(unknown)");
}

const Field_Case Field_Cases[] = {
    {"leading_zeros_dropped", 0, "007", "7"},
    {"trailing_fraction_zeros_dropped", 3, "-0012.50", "-12.5"},
    {"plus_sign_dropped", 7, "+12", "12"},
    {"minus_zero_is_zero", 4, "-0", "0"},
    {"point_without_fraction", 6, "1.", "1"},
    {"fraction_without_whole", 6, ".5", "0.5"},
    {"empty_becomes_zero", 2, "", "0"},
    {"fifteen_digits_stay_plain", 2, "999999999999999", "999999999999999"},
    {"sixteen_digits_unknown", 2, "1000000000000000", nullptr},
    {"tiny_fraction_unknown", 6, "0.00001", nullptr},
    {"exponent_unknown", 0, "1E2", nullptr},
    {"grouping_unknown", 0, "1,000", nullptr},
    {"minus_alone_unknown", 3, "-", nullptr},
    {"hex_letters_stay", 8, "FF1", "FF1"},
    {"hex_digits_normalised", 8, "0010", "10"},
    {"hex_exponent_unknown", 8, "1E3", nullptr},
    {"hex_lower_case_unknown", 8, "ff", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Inputs, Expected_Fields, testing::ValuesIn(Field_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Log_Line, KnownProceduresAndNumbersOnly) {
    const auto entry = Read_Log_Line("[05/06/2024 10:11:12][Tessaly][PB_Click][13][Type mismatch]");
    ASSERT_TRUE(entry.has_value());
    EXPECT_TRUE(Is_Known(*entry));
    EXPECT_FALSE(Is_Known({"Some_Click", 13}));
    EXPECT_FALSE(Is_Known({"PB_Click", 12}));
    EXPECT_FALSE(Read_Log_Line("[now][About][PB_Click][13][Type mismatch]").has_value());
    EXPECT_FALSE(Read_Log_Line("PB_Click 13").has_value());
}

} // namespace
