// SPDX-License-Identifier: MIT
// Clicking bits builds a pattern and shows its value in the row.
#include "Main_Window_Fixture.h"

#include <cstdint>

namespace {

// The value of the grid's toggles computed independently of the window:
// plain integer arithmetic, two's complement for the signed grids.
long long Expected_Value(int grid, std::uint64_t pattern) {
    const Grid_Shape& shape = Documented_Grids[grid];
    if (shape.is_signed && (pattern >> (shape.width - 1)) & 1)
        return static_cast<long long>(pattern) - (1LL << shape.width);
    return static_cast<long long>(pattern);
}

QString Bit_Text(int width, std::uint64_t pattern) {
    QString text;
    for (int bit = width - 1; bit >= 0; --bit)
        text += (pattern >> bit) & 1 ? '1' : '0';
    return text;
}

class Every_Grid : public Main_Window_Test, public testing::WithParamInterface<int> {
protected:
    int Width() const { return Documented_Grids[GetParam()].width; }
    void Expect_Row_Shows(std::uint64_t pattern) {
        const int grid = GetParam();
        const QString value = QString::number(Expected_Value(grid, pattern));
        EXPECT_EQ(Field(grid), value);
        EXPECT_EQ(Status(grid), value + " = " + Bit_Text(Width(), pattern));
    }
};

TEST_P(Every_Grid, AllOn) {
    for (int bit = 0; bit < Width(); ++bit)
        Click_Toggle(GetParam(), bit);
    Expect_Row_Shows((std::uint64_t{1} << Width()) - 1);
}

TEST_P(Every_Grid, TopBitOnly) {
    Click_Toggle(GetParam(), Width() - 1);
    Expect_Row_Shows(std::uint64_t{1} << (Width() - 1));
}

TEST_P(Every_Grid, AllButTheTopBit) {
    for (int bit = 0; bit < Width() - 1; ++bit)
        Click_Toggle(GetParam(), bit);
    Expect_Row_Shows((std::uint64_t{1} << (Width() - 1)) - 1);
}

TEST_P(Every_Grid, TurningTheLastBitOffGivesZero) {
    Click_Toggle(GetParam(), 2);
    Click_Toggle(GetParam(), 2);
    Expect_Row_Shows(0);
}

TEST_P(Every_Grid, FocusEndsInTheFieldWithTheCaretAtTheEnd) {
    Click_Toggle(GetParam(), 0);
    Click_Toggle(GetParam(), 1);
    auto* field = window->NumIn(GetParam());
    EXPECT_EQ(QApplication::focusWidget(), field);
    EXPECT_FALSE(field->hasSelectedText());
    EXPECT_EQ(field->cursorPosition(), field->text().size());
}

TEST_P(Every_Grid, OnlyItsOwnRowChanges) {
    const int other = (GetParam() + 1) % Rows::Grid_Count;
    Convert(other, "1");
    const QString other_status = Status(other);
    Click_Toggle(GetParam(), 0);
    EXPECT_EQ(Status(other), other_status);
    EXPECT_EQ(Field(other), "1");
}

INSTANTIATE_TEST_SUITE_P(Grids, Every_Grid, testing::Range(0, Rows::Grid_Count),
                         [](const auto& info) {
                             return std::string(Rows::Grid_At(info.param).name);
                         });

TEST_F(Main_Window_Test, AToggleChangeWhileUpdatingChangesNothing) {
    window->Updating = true;
    window->Toggle(0, 0)->setChecked(true);
    window->Updating = false;
    EXPECT_EQ(Field(0), "0");
    EXPECT_EQ(Status(0), "0 = 00000000");
}

// One Tab stop per grid, the bit last visited; arrows, Home and End move
// within the grid and stop at its ends.
TEST_F(Main_Window_Test, AGridIsOneTabStopThatKeepsTheLastBit) {
    const struct {
        Qt::Key key;
        int bit; // focused afterwards
    } steps[] = {{Qt::Key_Tab, 7},   {Qt::Key_Left, 7},  {Qt::Key_Right, 6}, {Qt::Key_Down, 5},
                 {Qt::Key_End, 0},   {Qt::Key_Right, 0}, {Qt::Key_Home, 7},  {Qt::Key_Up, 7},
                 {Qt::Key_Right, 6}, {Qt::Key_Right, 5}};
    window->NumIn(0)->setFocus(Qt::TabFocusReason);
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key);
        ASSERT_EQ(QApplication::focusWidget(), window->Toggle(0, step.bit)) << step.key;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(Status(0), "32 = 00100000");
    ASSERT_EQ(QApplication::focusWidget(), window->NumIn(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->Toggle(0, 5));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->PB(1));
}

TEST_F(Main_Window_Test, SpaceOnAFocusedToggleActsAsAClick) {
    window->Toggle(3, 7)->setFocus();
    QTest::keyClick(window->Toggle(3, 7), Qt::Key_Space);
    EXPECT_EQ(Field(3), "-128");
    EXPECT_EQ(Status(3), "-128 = 10000000");
}

} // namespace
