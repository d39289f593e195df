// SPDX-License-Identifier: MIT
// Window centring: the outer rectangle's centre on the screen's centre,
// size untouched, minimized and maximized windows left alone.
#include "Form_Control.h"
#include "Test_Tables.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QRect Screen_Area() {
    return QGuiApplication::primaryScreen()->geometry();
}

// Twice the distance between the window's outer centre and the screen's
// centre, per axis, so that half pixels stay whole numbers.
QPoint Doubled_Offset(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect screen = Screen_Area();
    return QPoint((2 * outer.x() + outer.width()) - (2 * screen.x() + screen.width()),
                  (2 * outer.y() + outer.height()) - (2 * screen.y() + screen.height()));
}

struct Size_Case {
    const char* name;
    int width_change; // from the screen's size
    int height_change;
};

class Center_Form_Of_Size : public testing::TestWithParam<Size_Case> {};

TEST_P(Center_Form_Of_Size, Puts_The_Centre_On_The_Screens_Centre) {
    const QSize size =
        Screen_Area().size() + QSize(GetParam().width_change, GetParam().height_change);
#ifdef Q_OS_WIN
    if (GetParam().width_change > 0)
        GTEST_SKIP() << "Windows keeps a window within the size of the screen";
#endif
    QWidget window;
    window.resize(size);
    window.move(3, 5);
    CenterForm(window);
    EXPECT_EQ(window.size(), size);
    const QPoint offset = Doubled_Offset(window);
    // Halves are rounded to whole pixels: at most one doubled pixel off.
    EXPECT_LE(std::abs(offset.x()), 1) << window.x();
    EXPECT_LE(std::abs(offset.y()), 1) << window.y();
}

INSTANTIATE_TEST_SUITE_P(Windows, Center_Form_Of_Size,
                         testing::Values(Size_Case{"Small", -500, -400},
                                         Size_Case{"Odd_Differences", -301, -201},
                                         Size_Case{"Exactly_Screen_Wide", 0, -100},
                                         Size_Case{"Larger_Than_The_Screen", 401, 300}),
                         Test_Tables::Row_Name<Size_Case>);

// The client size that gives the window the outer size, with the frame the
// platform reports.
QSize Client_Size_For(QWidget& window, QSize outer) {
    window.winId();
    return outer.shrunkBy(window.windowHandle()->frameMargins());
}

TEST(Center_Form, Window_As_Wide_As_The_Screen_Gets_Left_Zero) {
    QWidget window;
    window.resize(Client_Size_For(window, QSize(Screen_Area().width(), 100)));
    CenterForm(window);
    EXPECT_EQ(window.frameGeometry().x(), Screen_Area().x());
}

TEST(Center_Form, Window_Larger_Than_The_Screen_Gets_A_Negative_Position) {
    QWidget window;
    window.resize(Client_Size_For(window, Screen_Area().size() + QSize(200, 100)));
    CenterForm(window);
    EXPECT_EQ(window.frameGeometry().topLeft(), Screen_Area().topLeft() - QPoint(100, 50));
}

TEST(Center_Form, Second_Call_Leaves_The_Window_Where_The_First_Put_It) {
    QWidget window;
    window.resize(333, 222);
    CenterForm(window);
    const QPoint first = window.pos();
    CenterForm(window);
    EXPECT_EQ(window.pos(), first);
}

TEST(Center_Form, Shown_Window_Is_Centred_By_Its_Frame) {
    QWidget window;
    window.resize(321, 123);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    CenterForm(window);
    QCoreApplication::processEvents();
    const QPoint offset = Doubled_Offset(window);
    EXPECT_LE(std::abs(offset.x()), 1);
    EXPECT_LE(std::abs(offset.y()), 1);
    EXPECT_EQ(window.size(), QSize(321, 123));
}

class Center_Form_Leaves_Alone : public testing::TestWithParam<Qt::WindowState> {};

TEST_P(Center_Form_Leaves_Alone, A_Window_In_This_State) {
    QWidget window;
    window.resize(200, 100);
    window.move(7, 9);
    window.setWindowState(GetParam());
    const QRect before = window.geometry();
    CenterForm(window);
    EXPECT_EQ(window.geometry(), before);
    EXPECT_EQ(window.windowState(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(States, Center_Form_Leaves_Alone,
                         testing::Values(Qt::WindowMinimized, Qt::WindowMaximized,
                                         Qt::WindowFullScreen),
                         [](const testing::TestParamInfo<Qt::WindowState>& info) {
                             switch (info.param) {
                             case Qt::WindowMinimized:
                                 return std::string("Minimized");
                             case Qt::WindowMaximized:
                                 return std::string("Maximized");
                             default:
                                 return std::string("Full_Screen");
                             }
                         });

TEST(Center_Form, Widget_Inside_A_Window_Is_Not_Moved) {
    QWidget window;
    window.resize(400, 300);
    QWidget child(&window);
    child.setGeometry(10, 20, 50, 40);
    CenterForm(child);
    EXPECT_EQ(child.geometry(), QRect(10, 20, 50, 40));
}

} // namespace
