// SPDX-License-Identifier: MIT
// The window as it first shows: captions, tool tips, converted rows, layout.
#include "Main_Window_Fixture.h"

#include <QAccessible>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>

namespace {

TEST_F(Main_Window_Test, OpensWithEveryRowConvertedFromZero) {
    EXPECT_EQ(window->windowTitle(), "Tessaly");
    EXPECT_EQ(window->objectName(), "Tessaly");
    const int widths[] = {8, 16, 32, 8, 16, 32};
    for (int row = 0; row < Rows::Grid_Count; ++row) {
        EXPECT_EQ(Status(row), "0 = " + QString(widths[row], '0'));
        EXPECT_EQ(Toggles(row), QString(widths[row], '0'));
    }
    EXPECT_EQ(Status(6), "0 requires 1 bits, MSB is bit 0 = 1");
    EXPECT_EQ(Status(7), "[Decimal] 0 = [Hexadecimal] 0");
    EXPECT_EQ(Status(8), "[Hexadecimal] 0 = [Decimal] 0");
    for (int row = 0; row < Rows::Count; ++row)
        EXPECT_EQ(Field(row), "0");
    EXPECT_TRUE(Test_Environment::Log_Lines().isEmpty());
    EXPECT_FALSE(window->Timer_Delay_Reset().isActive());
}

TEST_F(Main_Window_Test, CaptionsAndToolTipsKeepTheirBlanks) {
    EXPECT_EQ(window->PB(0)->text(), "Dec to  8 BIT");
    EXPECT_EQ(window->PB(9)->text(), "Clear All");
    EXPECT_EQ(window->NumIn(1)->toolTip(), "Range 0 to  65,535");
    EXPECT_EQ(window->NumIn(5)->toolTip(), "Range -2,147,483,648 to 2,147,483,647");
    EXPECT_EQ(window->NumIn(6)->toolTip(), "Enter a number");
    EXPECT_TRUE(window->NumIn(7)->toolTip().isEmpty());
    EXPECT_TRUE(window->NumIn(8)->toolTip().isEmpty());
}

TEST_F(Main_Window_Test, ToggleToolTipsGiveTheWeightOrTheSign) {
    EXPECT_EQ(window->findChild<QCheckBox*>("bit32_31")->toolTip(), "Bit 31 = 2147483648");
    EXPECT_EQ(window->findChild<QCheckBox*>("abDINT_30")->toolTip(), "Bit 30 = 1073741824");
    EXPECT_EQ(window->findChild<QCheckBox*>("abDINT_31")->toolTip(), "Bit 31 = Sign");
    EXPECT_EQ(window->findChild<QCheckBox*>("bit8_7")->toolTip(), "Bit 7 = 128");
    EXPECT_EQ(window->findChild<QCheckBox*>("abSINT_7")->toolTip(), "Bit 7 = Sign");
    EXPECT_EQ(window->findChild<QCheckBox*>("bit16_0")->toolTip(), "Bit 0 = 1");
}

TEST_F(Main_Window_Test, ScreenReadersGetNamesForTogglesAndFields) {
    EXPECT_EQ(window->Toggle(2, 31)->accessibleName(), "Bit 31 = 2147483648");
    EXPECT_EQ(window->NumIn(0)->accessibleName(), "Dec to  8 BIT");
    EXPECT_EQ(window->Status(0)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(window->Status(0)->cursor().shape(), Qt::IBeamCursor); // text to select
    // A status line is a notification, spoken as it changes, its bits apart.
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(window->Status(0));
#ifdef Q_OS_WIN
    EXPECT_EQ(status->role(), QAccessible::StaticText);
#else
    EXPECT_EQ(status->role(), QAccessible::Notification);
#endif
    EXPECT_EQ(Spoken_Status(window->Status(0)), "0 = 0 0 0 0, 0 0 0 0");
    EXPECT_EQ(window->findChild<QWidget*>("bit16_Grid")->accessibleName(), "Dec to 16 BIT bits");
    EXPECT_EQ(window->findChild<QMenu*>("mAct")->accessibleName(), "Actions");
}

TEST_F(Main_Window_Test, EveryControlIsNamed) {
    for (const char* name : {"PB_0", "PB_9", "NumIn_0", "NumIn_8", "Status_8", "bit8_7", "bit16_15",
                             "bit32_31", "abSINT_7", "abINT_15", "abDINT_31", "Unsigned", "Signed",
                             "HexConv", "Timer_Delay_Reset"})
        EXPECT_NE(window->findChild<QObject*>(name), nullptr) << name;
    for (const char* name : {"sMnu_0", "sMnu_1", "mAbout"})
        EXPECT_NE(window->findChild<QAction*>(name), nullptr) << name;
}

TEST_F(Main_Window_Test, MenuCaptionsCarryTheirAccessKeys) {
    EXPECT_EQ(window->findChild<QAction*>("sMnu_0")->text(), "&Show ASCII Table");
    EXPECT_EQ(window->findChild<QAction*>("sMnu_1")->text(), "E&xit");
    EXPECT_EQ(window->findChild<QAction*>("mAbout")->text(), "&About");
    EXPECT_TRUE(window->findChild<QAction*>("sMnu_0")->shortcut().isEmpty());
}

// A toggle's left edge in its row's frame.
int Left_In_Frame(const Tessaly& window, int grid, int bit) {
    return window.Toggle(grid, bit)->mapTo(window.Status(grid)->parentWidget(), QPoint()).x();
}

// Twips to logical pixels: 15 to one.
TEST_F(Main_Window_Test, TogglesSitWhereTheGridFormulaPutsThem) {
    auto left_twips = [](int width, int bit) {
        const int k = width - 1 - bit;
        return 3720 + 240 * k + 120 * (k / 8);
    };
    for (int grid = 0; grid < Rows::Grid_Count; ++grid) {
        const int width = Documented_Grids[grid].width;
        for (int bit = 0; bit < width; ++bit)
            EXPECT_EQ(Left_In_Frame(*window, grid, bit), left_twips(width, bit) / 15)
                << grid << " " << bit;
    }
    EXPECT_EQ(Left_In_Frame(*window, 0, 0), 5400 / 15);
    EXPECT_EQ(Left_In_Frame(*window, 2, 0), 11520 / 15);
    EXPECT_EQ(window->Status(2)->x(), Left_In_Frame(*window, 2, 31));
    EXPECT_EQ(window->centralWidget()->size(), QSize(12060 / 15, 5790 / 15));
}

TEST_F(Main_Window_Test, ClearAllSitsInTheFirstFramesUpperRightCorner) {
    const QRect button = window->PB(9)->geometry();
    const QRect frame = window->findChild<QGroupBox*>("Unsigned")->geometry();
    EXPECT_TRUE(frame.contains(button));
    EXPECT_GT(button.left(), window->Status(0)->geometry().right());
}

TEST_F(Main_Window_Test, FocusStartsInTheFirstField) {
    EXPECT_EQ(window->focusWidget(), window->NumIn(0));
}

TEST_F(Main_Window_Test, TabWalksRowByRow) {
    // button, field, the grid's most significant bit (one stop per grid),
    // next row; "Clear All" after the unsigned rows.
    QList<QWidget*> expected;
    for (int row = 0; row < Rows::Count; ++row) {
        expected << window->PB(row) << window->NumIn(row);
        if (row < Rows::Grid_Count)
            expected << window->Toggle(row, Documented_Grids[row].width - 1);
        if (row == 2)
            expected << window->PB(Rows::Clear_All);
    }
    window->PB(0)->setFocus(Qt::TabFocusReason);
    for (int step = 1; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), expected[step])
            << "step " << step << " reached "
            << QApplication::focusWidget()->objectName().toStdString();
    }
    for (int step = static_cast<int>(expected.size()) - 2; step >= 0; --step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), expected[step]) << "back step " << step;
    }
}

} // namespace

namespace {

TEST(Right_To_Left, GridsAndStatusLinesStayLeftToRight) {
    QApplication::setLayoutDirection(Qt::RightToLeft);
    Tessaly window;
    window.show();
    for (int grid = 0; grid < Rows::Grid_Count; ++grid) {
        const int width = Documented_Grids[grid].width;
        EXPECT_LT(Left_In_Frame(window, grid, width - 1), Left_In_Frame(window, grid, 0)) << grid;
        EXPECT_EQ(window.Status(grid)->x(), Left_In_Frame(window, grid, width - 1));
        EXPECT_EQ(window.Status(grid)->layoutDirection(), Qt::LeftToRight);
    }
    EXPECT_LT(window.PB(0)->x(), window.NumIn(0)->x());
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

} // namespace
