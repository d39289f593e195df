// SPDX-License-Identifier: MIT
// Starts a program, waits for it and reports what the start-up benchmarks
// need: when it said "shown", its peak memory and how it ended.
#pragma once

#include <map>
#include <string>
#include <vector>

struct Child_Run {
    double shown_ms = -1; // from just before the spawn to the child's "shown"; -1 if never
    long max_rss_kb = 0;  // the child's peak resident memory
    bool exited_cleanly = false;
};

// `arguments` starts with the program's path; `environment` is set on top of
// this process's own. The child's standard output is read for "shown <ns>",
// its error output discarded.
Child_Run Run_Child(const std::vector<std::string>& arguments,
                    const std::map<std::string, std::string>& environment);
