// SPDX-License-Identifier: MIT
// Tessaly's start-up beside the bare Qt program with the same widgets, in one
// run: interleaved starts on the offscreen platform with a temporary home,
// the median time to the first painted main window and the median peak
// memory of each, their ratios, and callgrind's instruction count of a whole
// start and quit.
//
//   bench_startup [--rounds=N] [--no-callgrind]
#include "Child_Process.h"
#include "Instruction_Count.h"
#include "Test_World.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr double Time_Target = 1.15;
constexpr double Memory_Target = 1.10;
constexpr int Warm_Up_Runs = 2;

struct Samples {
    std::vector<double> shown_ms;
    std::vector<double> max_rss_mb;
    int failures = 0;
};

double Quantile(std::vector<double> values, double q) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (at - static_cast<double>(below));
}

double Median(const std::vector<double>& values) {
    return Quantile(values, 0.5);
}

std::string Load_Average() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

void Measure(const std::string& program, const std::map<std::string, std::string>& environment,
             Samples& samples) {
    const Child_Run run = Run_Child({program}, environment);
    if (!run.exited_cleanly || run.shown_ms < 0) {
        ++samples.failures;
        return;
    }
    samples.shown_ms.push_back(run.shown_ms);
    samples.max_rss_mb.push_back(static_cast<double>(run.max_rss_kb) / 1024.0);
}

void Print_Row(const char* figure, double tessaly, double baseline, const char* unit,
               const std::string& target) {
    std::printf("%-32s %12.2f %s %12.2f %s %8.3fx  %s\n", figure, tessaly, unit, baseline, unit,
                baseline > 0 ? tessaly / baseline : 0.0, target.c_str());
}

std::string Verdict(double ratio, double target) {
    char text[48];
    std::snprintf(text, sizeof text, "<= %.2fx %s", target, ratio <= target ? "met" : "MISSED");
    return text;
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 21;
    bool callgrind = true;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--rounds=", 0) == 0)
            rounds = std::max(1, std::atoi(argument.c_str() + 9));
        else if (argument == "--no-callgrind")
            callgrind = false;
    }
    const fs::path folder = fs::canonical("/proc/self/exe").parent_path();
    const std::string tessaly = (folder / "bench_startup_tessaly").string();
    const std::string baseline = (folder / "bench_startup_bare").string();

    const Test_World world(Test_World::Xdg::Folders, "tessaly-bench");
    std::map<std::string, std::string> environment = world.Variables();
    environment["QT_QPA_PLATFORM"] = "offscreen";
    const fs::path root = world.Root().toStdString();

    const std::string load_before = Load_Average();
    Samples tessaly_samples, baseline_samples, discarded;
    for (int i = 0; i < Warm_Up_Runs; ++i) { // page cache, font cache, the version record
        Measure(tessaly, environment, discarded);
        Measure(baseline, environment, discarded);
    }
    for (int round = 0; round < rounds; ++round) {
        const bool tessaly_first = round % 2 == 0; // neither always gets the warmer cache
        Measure(tessaly_first ? tessaly : baseline, environment,
                tessaly_first ? tessaly_samples : baseline_samples);
        Measure(tessaly_first ? baseline : tessaly, environment,
                tessaly_first ? baseline_samples : tessaly_samples);
    }
    std::optional<long long> tessaly_instructions, baseline_instructions;
    if (callgrind) {
        tessaly_instructions =
            Callgrind_Instructions(tessaly, environment, (root / "tessaly.callgrind").string());
        baseline_instructions =
            Callgrind_Instructions(baseline, environment, (root / "bare.callgrind").string());
    }
    const std::string load_after = Load_Average();

    std::printf("Start-up to the first painted main window, offscreen platform, %d interleaved "
                "pairs after %d warm-up pairs; load average before %s, after %s; %u cores\n",
                rounds, Warm_Up_Runs, load_before.c_str(), load_after.c_str(),
                std::max(1u, static_cast<unsigned>(sysconf(_SC_NPROCESSORS_ONLN))));
    std::printf("%-32s %15s %15s %9s  %s\n", "figure", "Tessaly", "baseline", "ratio", "target");
    const double tessaly_time = Median(tessaly_samples.shown_ms);
    const double baseline_time = Median(baseline_samples.shown_ms);
    Print_Row("start-up time (median)", tessaly_time, baseline_time, "ms",
              Verdict(tessaly_time / baseline_time, Time_Target));
    Print_Row("  lower quartile", Quantile(tessaly_samples.shown_ms, 0.25),
              Quantile(baseline_samples.shown_ms, 0.25), "ms", "");
    Print_Row("  upper quartile", Quantile(tessaly_samples.shown_ms, 0.75),
              Quantile(baseline_samples.shown_ms, 0.75), "ms", "");
    const double tessaly_memory = Median(tessaly_samples.max_rss_mb);
    const double baseline_memory = Median(baseline_samples.max_rss_mb);
    Print_Row("peak memory, max RSS (median)", tessaly_memory, baseline_memory, "MB",
              Verdict(tessaly_memory / baseline_memory, Memory_Target));
    if (tessaly_instructions && baseline_instructions)
        Print_Row("instructions, start and quit", static_cast<double>(*tessaly_instructions) / 1e6,
                  static_cast<double>(*baseline_instructions) / 1e6, "M ",
                  "tracked (callgrind Ir, QT_HASH_SEED=0)");
    else if (callgrind)
        std::printf("instructions: callgrind unavailable (install valgrind)\n");
    if (tessaly_samples.failures || baseline_samples.failures) {
        std::printf("failed starts: Tessaly %d, baseline %d\n", tessaly_samples.failures,
                    baseline_samples.failures);
        return 1;
    }
    return 0;
}
