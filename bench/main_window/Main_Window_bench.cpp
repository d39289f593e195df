// SPDX-License-Identifier: MIT
// Start-up of the main window (its nine conversions included) and one
// conversion command per row.
#include "Application_Setup.h"
#include "Message_Box.h"
#include "Number_Field.h"
#include "Tessaly.h"
#include "Test_World.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
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

// A long paste into a shown window's field, then Enter, with the repaint it
// causes: zeros ending in 5 (the field keeps it whole and converts it to 5).
// Targets: 100,000 characters under 200 ms, a megabyte under 2 s.
void Paste_And_Enter(benchmark::State& state) {
    const auto length = static_cast<qsizetype>(state.range(0));
    const QString text = QString(length - 1, QLatin1Char('0')) + QLatin1Char('5');
    Tessaly window;
    window.show();
    QApplication::processEvents();
    Number_Field* field = window.NumIn(2);
    for (auto _ : state) {
        QApplication::clipboard()->setText(text);
        field->setFocus();
        field->selectAll();
        field->paste();
        QApplication::processEvents();
        QTest::keyClick(field, Qt::Key_Return);
        QApplication::processEvents();
        if (field->text() != QLatin1String("5"))
            state.SkipWithError("the field did not convert the whole paste");
    }
}
BENCHMARK(Paste_And_Enter)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

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
