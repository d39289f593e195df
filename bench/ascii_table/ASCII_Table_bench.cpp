// SPDX-License-Identifier: MIT
// Opening the ASCII table window (load, table, first show) beside a bare
// window whose text box is given the same text once, in the same run.
#include "ASCII_Table.h"
#include "ASCII_Table_Text.h"
#include "Application_Setup.h"
#include "Test_World.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_Open_ASCII_Table(benchmark::State& state) {
    for (auto _ : state) {
        ASCII_Table* table = ASCII_Table::Show_Table();
        QCoreApplication::processEvents(); // the first paint
        benchmark::DoNotOptimize(table);
        state.PauseTiming();
        delete table;
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Open_ASCII_Table)->Unit(benchmark::kMillisecond);

// The least a window can do to show the table: one text box with the same
// font, size and scroll bars, the text set once. (Left to show its scroll
// bars as needed, the box paints first without the horizontal one and adds
// it only on a later pass, which would flatter it.)
void BM_Open_Bare_Window(benchmark::State& state) {
    const QString text = ASCII_Table_Text::Table();
    const QFont font = ASCII_Table::Table_Font();
    for (auto _ : state) {
        auto window = std::make_unique<QWidget>();
        auto* box = new QPlainTextEdit(window.get());
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setFont(font);
        window->resize(800, 500);
        box->setGeometry(0, 0, 800, 496);
        box->setPlainText(text);
        window->show();
        QCoreApplication::processEvents(); // the first paint
        benchmark::DoNotOptimize(box);
        state.PauseTiming();
        window.reset();
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Open_Bare_Window)->Unit(benchmark::kMillisecond);

void BM_Build_Table_Text(benchmark::State& state) {
    for (auto _ : state) {
        QString text = ASCII_Table_Text::Table();
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_Build_Table_Text)->Unit(benchmark::kMicrosecond);

// Prints the runs as usual, then the table window's time over the bare
// one's: medians when the runs are repeated, real and CPU time.
class Ratio_Reporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median || run.run_type == Run::RT_Iteration)
                times_[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                      run.GetAdjustedCPUTime()};
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto table = times_.find("BM_Open_ASCII_Table");
        const auto bare = times_.find("BM_Open_Bare_Window");
        if (table == times_.end() || bare == times_.end())
            return;
        std::printf("ASCII table window / bare window: %.2fx real time, %.2fx CPU time "
                    "(target 1.5x or less)\n",
                    table->second.real / bare->second.real, table->second.cpu / bare->second.cpu);
    }

private:
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Times> times_;
};

} // namespace

int main(int argc, char** argv) {
    // A logged failure goes to a throw-away world, not beside the program.
    const Test_World world;
    world.Enter();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    world.Point_Log_Here();
    // The offscreen platform warns on every raise(); printing that would be
    // timed with the window.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    Install_Font_Substitutions();

    // Repeated and interleaved, so that a busy machine slows both windows
    // alike; flags given on the command line come later and win.
    std::vector<char*> arguments(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=9";
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    arguments.insert(arguments.begin() + 1, {repetitions, interleave, aggregates});
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());

    Ratio_Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
