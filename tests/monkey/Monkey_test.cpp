// SPDX-License-Identifier: MIT
// Twenty thousand random user events on the real main window, in four runs
// of 5,000 on a fresh window each (each its own test, so that they run side
// by side and each stays well inside the test timeout under the sanitizers).
// Every run prints its seed first, so that any failure can be replayed.
//
// Below them, the monkey's own expectations, held against the rows'
// documented results (the table the window's own tests read), so that a
// wrong expectation cannot pass for a fault of the window.
#include "Documented_Rows.h"
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
              << "monkey: the longest any event was blocked " << monkey.Most_Blocked_Milliseconds()
              << " ms\n"
              << "monkey: log lines " << monkey.Log_Tally().toStdString() << std::endl;
    EXPECT_TRUE(problem.isEmpty()) << problem.toStdString() << "\n"
                                   << replay << "\nlast events:\n"
                                   << monkey.Recent_Events().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, Monkey_Test, testing::Range(1, Runs + 1),
                         [](const auto& info) { return "Window_" + std::to_string(info.param); });

class Expected_Outcomes : public testing::TestWithParam<Documented_Row> {};

TEST_P(Expected_Outcomes, MatchTheDocumentedResult) {
    const Documented_Row& c = GetParam();
    const Expected_Outcome outcome =
        Expected_After_Conversion(c.row, QString::fromUtf8(c.field), QStringLiteral("."));
    EXPECT_TRUE(outcome.field_problem.isEmpty()) << outcome.field_problem.toStdString();
    EXPECT_EQ(outcome.status.value_or(QStringLiteral("(kept)")).toStdString(),
              c.status ? c.status : "(kept)");
    EXPECT_EQ(outcome.toggles.value_or(QStringLiteral("(kept)")).toStdString(),
              c.toggles ? c.toggles : "(kept)");
    EXPECT_EQ(outcome.failure, c.failure);
}

INSTANTIATE_TEST_SUITE_P(Rows, Expected_Outcomes, testing::ValuesIn(Documented_Rows),
                         Test_Tables::Row_Name<Documented_Row>);

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
                         Test_Tables::Row_Name<Field_Case>);

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
