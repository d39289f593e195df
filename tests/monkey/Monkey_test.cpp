// SPDX-License-Identifier: MIT
// Twenty thousand random user events on the real main window, in four runs
// of 5,000 on a fresh window each (each its own test, so that they run side
// by side and each stays well inside the test timeout under the sanitizers).
// Every run prints its seed first, so that any failure can be replayed.
#include "Crash_Report.h"
#include "Monkey.h"
#include "Monkey_Seed.h"
#include "Tessaly.h"
#include "Test_Environment.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>

namespace {

constexpr int Runs = 4;
constexpr int Default_Events = 5000; // per run

class Monkey_Test : public testing::TestWithParam<int> {
protected:
    void SetUp() override {
        Test_Environment::Clear_Log();
        window = std::make_unique<Tessaly>();
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { window.reset(); }

    static std::string Test_Name() {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        return std::string(info->test_suite_name()) + "." + info->name();
    }

    std::unique_ptr<Tessaly> window;
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

} // namespace
