// SPDX-License-Identifier: MIT
#include "Ratio_Reporter.h"

#include <cstdio>
#include <ostream>
#include <string_view>

namespace {

constexpr std::string_view Baseline_Suffix = "_baseline";

double To_Nanoseconds(double time, benchmark::TimeUnit unit) {
    switch (unit) {
    case benchmark::kNanosecond:
        return time;
    case benchmark::kMicrosecond:
        return time * 1e3;
    case benchmark::kMillisecond:
        return time * 1e6;
    case benchmark::kSecond:
        return time * 1e9;
    }
    return time;
}

bool Is_Baseline(std::string_view name) {
    return name.size() > Baseline_Suffix.size() &&
           name.substr(name.size() - Baseline_Suffix.size()) == Baseline_Suffix;
}

} // namespace

void Ratio_Reporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        // With repetitions the median stands for the routine; otherwise the
        // single run does.
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (!single && !median)
            continue;
        const std::string name = run.run_name.function_name;
        if (nanoseconds_.count(name) == 0)
            order_.push_back(name);
        nanoseconds_[name] = To_Nanoseconds(run.GetAdjustedCPUTime(), run.time_unit);
    }
}

void Ratio_Reporter::Finalize() {
    ConsoleReporter::Finalize();
    std::ostream& out = GetOutputStream();
    char line[160];
    std::snprintf(line, sizeof line, "\n%-28s %10s %12s %7s\n", "routine", "ns", "baseline ns",
                  "ratio");
    out << line;
    for (const std::string& name : order_) {
        if (Is_Baseline(name))
            continue;
        const auto baseline = nanoseconds_.find(name + std::string(Baseline_Suffix));
        if (baseline == nanoseconds_.end() || baseline->second <= 0)
            continue;
        const double routine = nanoseconds_[name];
        const double ratio = routine / baseline->second;
        const bool above = ratio > Target_Ratio;
        std::snprintf(line, sizeof line, "%-28s %10.1f %12.1f %7.2f%s\n", name.c_str(), routine,
                      baseline->second, ratio, above ? "  above target" : "");
        out << line;
    }
    out << "target: every ratio at most " << Target_Ratio << '\n';
    out.flush();
}
