// SPDX-License-Identifier: MIT
// The conversion command of every row, driven through the real window.
#include "Main_Window_Fixture.h"
#include "Test_Tables.h"

#include <QAccessible>
#include <QRegularExpression>
#include <bitset>

namespace {

using Test_Tables::PrintTo;

struct Command_Case {
    const char* name;
    int row;
    const char* input;
    const char* field_after;
    const char* status;
};

class Command_Rows : public Main_Window_Test, public testing::WithParamInterface<Command_Case> {};

TEST_P(Command_Rows, ShowsTheExpectedStatus) {
    const Command_Case& c = GetParam();
    Convert(c.row, QString::fromUtf8(c.input));
    EXPECT_EQ(Field(c.row), QString::fromUtf8(c.field_after));
    EXPECT_EQ(Status(c.row), QString::fromUtf8(c.status));
    // What a screen reader speaks: the same text, with no five bits in a row.
    const QString spoken =
        QAccessible::queryAccessibleInterface(window->Status(c.row))->text(QAccessible::Name);
    const QRegularExpression apart("[ ,]");
    EXPECT_EQ(QString(spoken).remove(apart), Status(c.row).remove(apart));
    if (c.row < Rows::Grid_Count) {
        EXPECT_FALSE(spoken.contains(QRegularExpression("[01]{5}"))) << spoken.toStdString();
    }
}

// Longer than the 32,767 characters Qt's fields hold by default.
const std::string Zeros_Then_5_Text = std::string(40000, '0') + "5";
const char* const Zeros_Then_5 = Zeros_Then_5_Text.c_str();

const Command_Case Command_Cases[] = {
    {"row0_255_all_ones", 0, "255", "255", "255 = 11111111"},
    {"row0_256_refused", 0, "256", "256", "256 is to large to process"},
    {"row0_abc_becomes_zero", 0, "abc", "0", "0 = 00000000"},
    {"row0_007_becomes_7", 0, "007", "7", "7 = 00000111"},
    {"row0_grouped_thousand_refused", 0, "1,000", "1000", "1000 is to large to process"},
    {"row0_2_7_rounds_to_3", 0, "2.7", "2.7", "2.7 = 00000011"},
    {"row0_negative_all_zeros", 0, "-5", "-5", "-5 = 00000000"},
    {"row1_65535", 1, "65535", "65535", "65535 = 1111111111111111"},
    {"row1_65536_refused", 1, "65536", "65536", "65536 is to large to process"},
    {"row2_40000_zeros_then_5_kept_whole", 2, Zeros_Then_5, "5",
     "5 = 00000000000000000000000000000101"},
    {"row2_4294967295", 2, "4294967295", "4294967295",
     "4294967295 = 11111111111111111111111111111111"},
    {"row2_4294967296_refused", 2, "4294967296", "4294967296", "4294967296 is to large to process"},
    {"row2_2_7_drops_fraction", 2, "2.7", "2.7", "2.7 = 00000000000000000000000000000010"},
    {"row3_minus_one", 3, "-1", "-1", "-1 = 11111111"},
    {"row3_128_refused", 3, "128", "128", "128 is to large to process"},
    {"row3_minus_128", 3, "-128", "-128", "-128 = 10000000"},
    {"row4_40000_refused", 4, "40000", "40000", "40000 is to large to process"},
    {"row4_minus_32768", 4, "-32768", "-32768", "-32768 = 1000000000000000"},
    {"row5_lowest", 5, "-2147483648", "-2147483648",
     "-2147483648 = 10000000000000000000000000000000"},
    {"row5_highest", 5, "2147483647", "2147483647",
     "2147483647 = 01111111111111111111111111111111"},
    {"row6_zero_is_one_bit", 6, "0", "0", "0 requires 1 bits, MSB is bit 0 = 1"},
    {"row6_255", 6, "255", "255", "255 requires 8 bits, MSB is bit 7 = 128"},
    {"row6_256", 6, "256", "256", "256 requires 9 bits, MSB is bit 8 = 256"},
    {"row6_minus_one_sorry", 6, "-1", "-1", "Sorry, only positive numbers are accepted"},
    {"row6_3000000000_refused", 6, "3000000000", "3000000000", "3000000000 is to large to process"},
    {"row6_536870911_exact", 6, "536870911", "536870911",
     "536870911 requires 29 bits, MSB is bit 28 = 268435456"},
    {"row6_2147483647_exact", 6, "2147483647", "2147483647",
     "2147483647 requires 31 bits, MSB is bit 30 = 1073741824"},
    {"row6_text_becomes_zero", 6, "xyz", "0", "0 requires 1 bits, MSB is bit 0 = 1"},
    {"row7_255", 7, "255", "255", "[Decimal] 255 = [Hexadecimal] FF"},
    {"row7_minus_one", 7, "-1", "-1", "[Decimal] -1 = [Hexadecimal] FFFFFFFF"},
    {"row7_3000000000_unsigned_digits", 7, "3000000000", "3000000000",
     "[Decimal] 3000000000 = [Hexadecimal] B2D05E00"},
    {"row7_4294967296_refused", 7, "4294967296", "4294967296", "4294967296 is to large to process"},
    {"row7_2_5_rounds_to_even", 7, "2.5", "2.5", "[Decimal] 2.5 = [Hexadecimal] 2"},
    {"row8_FF", 8, "FF", "FF", "[Hexadecimal] FF = [Decimal] 255"},
    {"row8_empty_becomes_zero", 8, "", "0", "[Hexadecimal] 0 = [Decimal] 0"},
    {"row8_1E2_read_as_decimal_first", 8, "1E2", "100", "[Hexadecimal] 100 = [Decimal] 256"},
    {"row8_0010_normalised", 8, "0010", "10", "[Hexadecimal] 10 = [Decimal] 16"},
};

INSTANTIATE_TEST_SUITE_P(Rows, Command_Rows, testing::ValuesIn(Command_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Main_Window_Test, TypingAndEnterConvertsRowZero) {
    Type(0, "200");
    Press(0, Qt::Key_Return);
    EXPECT_EQ(Field(0), "200");
    EXPECT_EQ(Status(0), "200 = 11001000");
    EXPECT_EQ(Toggles(0), "11001000");
    EXPECT_EQ(QApplication::focusWidget(), window->NumIn(0));
}

// Every bit row sets its toggles to the bits of the value, checked against
// std::bitset's two's complement.
TEST_F(Main_Window_Test, TogglesFollowTheConvertedValue) {
    const std::pair<int, long long> cases[] = {
        {0, 5},   {0, 170},    {1, 43981},         {2, 3000000000}, {3, -5},
        {3, 127}, {4, -12345}, {5, -2147483648LL}, {5, 1},          {2, 4294967295}};
    for (const auto& [row, value] : cases) {
        Convert(row, QString::number(value));
        const int width = Rows::Grid_At(row).width;
        const std::string expected =
            std::bitset<32>(static_cast<unsigned long long>(value)).to_string().substr(32 - width);
        EXPECT_EQ(Toggles(row).toStdString(), expected) << "row " << row << " value " << value;
        EXPECT_EQ(Status(row).toStdString(), std::to_string(value) + " = " + expected);
    }
}

TEST_F(Main_Window_Test, RefusedValueKeepsTheToggles) {
    Convert(0, "5");
    Convert(0, "256");
    EXPECT_EQ(Toggles(0), "00000101");
}

TEST_F(Main_Window_Test, SignedValueBelowTheLowestLogsTypeMismatchAndKeepsTheGrid) {
    Convert(3, "3");
    Convert(3, "-129");
    EXPECT_EQ(Status(3), "-129 = Value too High");
    EXPECT_EQ(Toggles(3), "00000011");
    const QStringList log = Test_Environment::Log_Lines();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].endsWith("][Tessaly][PB_Click][13][Type mismatch]")) << log[0].toStdString();
    EXPECT_FALSE(window->Updating);
}

TEST_F(Main_Window_Test, OverflowInAnUnsignedFieldLogsSixAndKeepsTheStatus) {
    Convert(0, "9");
    Convert(0, "-3000000000");
    EXPECT_EQ(Status(0), "9 = 00001001");
    const QStringList log = Test_Environment::Log_Lines();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].endsWith("][Tessaly][PB_Click][6][Overflow]")) << log[0].toStdString();
}

TEST_F(Main_Window_Test, LowerCaseHexPastedLogsTypeMismatch) {
    Convert(8, "ff");
    EXPECT_EQ(Status(8), "[Hexadecimal] 0 = [Decimal] 0");
    ASSERT_EQ(Test_Environment::Log_Lines().size(), 1);
    EXPECT_TRUE(Test_Environment::Log_Lines()[0].endsWith("[PB_Click][13][Type mismatch]"));
}

// The toggles that a conversion writes raise the grid's handler, which must
// not write back into the field: only the normalisation changes it.
TEST_F(Main_Window_Test, ConversionTogglesNeverRewriteTheField) {
    window->NumIn(0)->setText("007");
    int changes = 0;
    QObject::connect(window->NumIn(0), &QLineEdit::textChanged, [&changes] { ++changes; });
    window->PB_Click(0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Field(0), "7");
    EXPECT_EQ(Status(0), "7 = 00000111");
}

TEST_F(Main_Window_Test, ClearAllResetsEveryRowAfterTheTimer) {
    Convert(0, "255");
    Convert(5, "-1");
    Convert(7, "255");
    QTest::mouseClick(window->PB(Rows::Clear_All), Qt::LeftButton);
    // Nothing changes until the timer ticks.
    EXPECT_EQ(Field(0), "255");
    EXPECT_TRUE(window->Timer_Delay_Reset().isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!window->Timer_Delay_Reset().isActive(), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(Status(0), QString("0 = 00000000"), 2000);
    for (int row = 0; row < Rows::Count; ++row)
        EXPECT_EQ(Field(row), "0") << row;
    EXPECT_EQ(Toggles(5), QString(32, '0'));
    EXPECT_EQ(Status(7), "[Decimal] 0 = [Hexadecimal] 0");
    EXPECT_EQ(QApplication::focusWidget(), window->NumIn(0));
}

TEST_F(Main_Window_Test, ClearAllTwiceBeforeTheTickGivesOneReset) {
    int resets = 0;
    QObject::connect(&window->Timer_Delay_Reset(), &QTimer::timeout, [&resets] { ++resets; });
    QTest::mouseClick(window->PB(Rows::Clear_All), Qt::LeftButton);
    QTest::qWait(60);
    const int left_before = window->Timer_Delay_Reset().remainingTime();
    if (left_before < 0)
        GTEST_SKIP() << "the machine was too slow: the tick came before the second click";
    QTest::mouseClick(window->PB(Rows::Clear_All), Qt::LeftButton);
    // The second click neither restarts the countdown nor adds a reset.
    EXPECT_LE(window->Timer_Delay_Reset().remainingTime(), left_before);
    QTest::qWait(300);
    EXPECT_EQ(resets, 1);
}

TEST_F(Main_Window_Test, AnIndexOutsideTheButtonsIsLogged) {
    window->PB_Click(10);
    ASSERT_EQ(Test_Environment::Log_Lines().size(), 1);
    EXPECT_TRUE(Test_Environment::Log_Lines()[0].endsWith("[PB_Click][9][Subscript out of range]"));
    EXPECT_FALSE(window->Updating);
}

} // namespace
