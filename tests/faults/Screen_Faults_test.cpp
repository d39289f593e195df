// SPDX-License-Identifier: MIT
// A screen smaller than the window.
#include "Fault_Checks.h"

#include <QRect>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

namespace {

QRect Rectangle(const QString& text) {
    const QStringList numbers = text.split(' ');
    if (numbers.size() != 4)
        return {};
    return {numbers[0].toInt(), numbers[1].toInt(), numbers[2].toInt(), numbers[3].toInt()};
}

enum class Display { Offscreen, X_Server };

void PrintTo(Display display, std::ostream* out) {
    *out << (display == Display::Offscreen ? "Offscreen" : "X_Server");
}

class Screen_Faults : public testing::TestWithParam<Display> {
protected:
    void SetUp() override {
        if (GetParam() == Display::X_Server && !Fault_Scenario::X_Server_Available())
            GTEST_SKIP() << "xvfb-run is not installed";
    }
    void Use(Fault_Scenario& scenario, QSize screen) const {
        if (GetParam() == Display::X_Server)
            scenario.Use_X_Server(screen);
        else
            scenario.Use_Screen(screen);
    }
};

// The window keeps its size and, centred, reaches past every edge.
TEST_P(Screen_Faults, Screen_Smaller_Than_The_Window_Centres_It_Over_The_Edges) {
    Fault_Scenario kind_world;
    Use(kind_world, QSize(1600, 1200));
    const Probe_Report normal_report = kind_world.Run_Probe();
    Expect_Tessaly_Works(normal_report);
    const QRect normal = Rectangle(normal_report.Value("window"));
    ASSERT_FALSE(normal.isEmpty());
    const QSize small(normal.width() / 2, normal.height() / 2);

    Fault_Scenario scenario;
    Use(scenario, small);
    const Probe_Report report = scenario.Run_Probe();
    Expect_Tessaly_Works(report);
    Expect_Log_Entry(scenario, Log_Place::Program_Folder);
    Expect_Only_Written(scenario, Own_Files(scenario));
    EXPECT_EQ(Rectangle(report.Value("screen")), QRect(QPoint(0, 0), small));
    const QRect window = Rectangle(report.Value("window"));
    EXPECT_EQ(window.size(), normal.size());
    EXPECT_LT(window.left(), 0);
    EXPECT_LT(window.top(), 0);
    EXPECT_NEAR(window.center().x(), small.width() / 2, 1);
    EXPECT_NEAR(window.center().y(), small.height() / 2, 1);
}

INSTANTIATE_TEST_SUITE_P(On, Screen_Faults, testing::Values(Display::Offscreen, Display::X_Server),
                         [](const auto& info) {
                             return info.param == Display::Offscreen ? "Offscreen" : "X_Server";
                         });

} // namespace
