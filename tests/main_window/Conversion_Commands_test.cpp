// SPDX-License-Identifier: MIT
// The conversion command of every row, driven through the real window.
#include "Documented_Rows.h"
#include "Main_Window_Fixture.h"
#include "Test_Tables.h"

#include <QAccessible>
#include <QRegularExpression>
#include <algorithm>
#include <bitset>
#include <iterator>
#include <vector>

namespace {

class Command_Rows : public Main_Window_Test, public testing::WithParamInterface<Documented_Row> {};

TEST_P(Command_Rows, ShowsTheExpectedStatus) {
    const Documented_Row& c = GetParam();
    const QString status_before = Status(c.row);
    const QString toggles_before = c.row < Rows::Grid_Count ? Toggles(c.row) : QString();
    Convert(c.row, QString::fromUtf8(c.input));
    EXPECT_EQ(Field(c.row), QString::fromUtf8(c.field));
    EXPECT_EQ(Status(c.row), c.status ? QString::fromUtf8(c.status) : status_before);
    if (c.row < Rows::Grid_Count) {
        EXPECT_EQ(Toggles(c.row), c.toggles ? QString::fromUtf8(c.toggles) : toggles_before);
    }
    const QStringList log = Test_Environment::Log_Lines();
    if (c.failure == 0)
        EXPECT_TRUE(log.isEmpty());
    else
        EXPECT_TRUE(log.size() == 1 &&
                    log[0].contains(QStringLiteral("][Tessaly][PB_Click][%1][").arg(c.failure)))
            << log.join('\n').toStdString();
    // What a screen reader speaks: the same text, with no five bits in a row.
    const QString spoken = Spoken_Status(window->Status(c.row));
    const QRegularExpression apart("[ ,]");
    EXPECT_EQ(QString(spoken).remove(apart), Status(c.row).remove(apart));
    if (c.row < Rows::Grid_Count) {
        EXPECT_FALSE(spoken.contains(QRegularExpression("[01]{5}"))) << spoken.toStdString();
    }
}

std::vector<Documented_Row> Pasted_Rows() {
    std::vector<Documented_Row> rows;
    std::copy_if(std::begin(Documented_Rows), std::end(Documented_Rows), std::back_inserter(rows),
                 [](const Documented_Row& row) { return row.input != nullptr; });
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Rows, Command_Rows, testing::ValuesIn(Pasted_Rows()),
                         Test_Tables::Row_Name<Documented_Row>);

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
        const int width = Documented_Grids[row].width;
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
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->Timer_Delay_Reset().isActive(); }, 2000));
    EXPECT_EQ(Status(0), "0 = 00000000");
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
