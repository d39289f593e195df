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

    // Plain text: the table is meant to be pasted.
    Ratio_Reporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::vector<std::string> order_;
    std::map<std::string, double> nanoseconds_;
};
