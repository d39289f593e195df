// SPDX-License-Identifier: MIT
// Console output of Google Benchmark followed by a table that sets every
// routine beside its baseline: "<name>" against "<name>_baseline".
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class Ratio_Reporter : public benchmark::ConsoleReporter {
public:
    // The ratio a routine may reach before the table flags it.
    static constexpr double Target_Ratio = 3.0;

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // True once Finalize found a routine above the target.
    bool Any_Above_Target() const { return any_above_target_; }

private:
    std::vector<std::string> order_;
    std::map<std::string, double> nanoseconds_;
    bool any_above_target_ = false;
};
