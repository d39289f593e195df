// SPDX-License-Identifier: MIT
// The instructions a program executes from its start to its end, counted by
// callgrind: unlike a time, the same on a loaded machine as on an idle one.
#pragma once

#include <map>
#include <optional>
#include <string>

// Nothing when valgrind is missing or the run fails.
std::optional<long long>
Callgrind_Instructions(const std::string& program,
                       const std::map<std::string, std::string>& environment,
                       const std::string& output_file);
