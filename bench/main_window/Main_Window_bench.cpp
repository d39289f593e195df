// SPDX-License-Identifier: MIT
// Start-up of the main window (its nine conversions included) and one
// conversion command per row.
#include "Application_Setup.h"
#include "Message_Box.h"
#include "Number_Field.h"
#include "Tessaly.h"
#include "Test_World.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

void Construct_Window(benchmark::State& state) {
    for (auto _ : state) {
        Tessaly window;
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(Construct_Window)->Unit(benchmark::kMillisecond);

void Convert_Row(benchmark::State& state) {
    static const char* inputs[] = {"200",         "43981",     "3000000000", "-5",      "-12345",
                                   "-2147483648", "536870911", "3000000000", "B2D05E00"};
    const int row = static_cast<int>(state.range(0));
    Tessaly window;
    for (auto _ : state) {
        window.NumIn(row)->setText(QString::fromLatin1(inputs[row]));
        window.PB_Click(row);
    }
}
BENCHMARK(Convert_Row)->DenseRange(0, 8)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // The window records its version in the settings store and may write a
    // log: keep both away from the user's real files.
    const Test_World world;
    world.Enter();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    Set_Up_Application();
    world.Point_Log_Here();
    Message_Box::Set_Handler([](const QString&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
