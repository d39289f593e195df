// SPDX-License-Identifier: MIT
// The reset that "Clear All" starts: Timer_Delay_Reset_Timer on a shown main
// window, called directly as the timer's tick would, from every row set (all
// toggles on, every status long) and from rows already at 0. Target: under
// 5 ms for the full reset.
#include "Application_Setup.h"
#include "Message_Box.h"
#include "Number_Field.h"
#include "Tessaly.h"
#include "Test_World.h"

#include <QApplication>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

constexpr double Target_Ms = 5.0;

// Values that set every toggle of the bit rows and the longest status lines.
constexpr std::array<const char*, 9> Full_Rows{"255", "65535",      "4294967295", "-1",      "-1",
                                               "-1",  "2147483647", "-1",         "FFFFFFFF"};

void Fill_Every_Row(Tessaly& window) {
    for (int row = 0; row < static_cast<int>(Full_Rows.size()); ++row) {
        window.NumIn(row)->setText(QString::fromLatin1(Full_Rows[static_cast<std::size_t>(row)]));
        window.PB_Click(row);
    }
}

std::string Load_Average() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// The set-up's own paints stay out of the timing: a paint can post further
// events (a resized status line asks for another), so drain until none is left.
void Settle() {
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void BM_Clear_All_Reset(benchmark::State& state) {
    const bool from_full_rows = state.range(0) == 1;
    Tessaly window;
    window.show();
    Settle();
    for (auto _ : state) {
        state.PauseTiming();
        if (from_full_rows)
            Fill_Every_Row(window);
        Settle();
        // "Clear All" only starts the timer. No events are processed after it,
        // so the tick cannot come early (under valgrind it would) and the
        // reset below runs once.
        window.PB_Click(9);
        state.ResumeTiming();
        window.Timer_Delay_Reset_Timer();
    }
    state.SetLabel(from_full_rows ? "from every row set" : "from rows at 0");
}
// Medians of repetitions: other work on the machine delays single runs.
BENCHMARK(BM_Clear_All_Reset)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// A fixed number of full resets, for counting their instructions, which
// other work on the machine does not change:
//   valgrind --tool=callgrind --toggle-collect='Tessaly::Timer_Delay_Reset_Timer()'
//       bench_clear_all --benchmark_filter=Counted
// and divide the total by Counted_Resets.
constexpr int Counted_Resets = 20;
BENCHMARK(BM_Clear_All_Reset)
    ->Name("Clear_All_Reset_Counted")
    ->Arg(1)
    ->Iterations(Counted_Resets)
    ->Unit(benchmark::kMillisecond);

class Target_Reporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.report_label == "from every row set" && run.aggregate_name == "median") {
                full_reset_ms_ = run.GetAdjustedRealTime(); // the unit is milliseconds
                full_reset_cpu_ms_ = run.GetAdjustedCPUTime();
            }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        if (full_reset_ms_ > 0)
            std::printf("\nClear All reset from every row set, median: %.3f ms (CPU %.3f ms), "
                        "target < %.1f ms: %s; load average %s\n",
                        full_reset_ms_, full_reset_cpu_ms_, Target_Ms,
                        full_reset_ms_ < Target_Ms ? "met" : "MISSED", Load_Average().c_str());
    }

private:
    double full_reset_ms_ = 0;
    double full_reset_cpu_ms_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    // The window records its version in the settings store and may write a
    // log: keep both away from the user's real files.
    const Test_World world;
    world.Enter();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    Set_Up_Application(); // the program's names, style and fonts
    world.Point_Log_Here();
    Message_Box::Set_Handler([](const QString&) {});
    benchmark::Initialize(&argc, argv);
    Target_Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
