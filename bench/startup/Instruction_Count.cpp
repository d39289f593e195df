// SPDX-License-Identifier: MIT
#include "Instruction_Count.h"

#include "Child_Process.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::optional<std::string> Find_In_Path(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / name;
        if (std::filesystem::is_regular_file(candidate))
            return candidate.string();
    }
    return std::nullopt;
}

// The "totals:" (or, in older files, "summary:") line holds the Ir count.
std::optional<long long> Read_Total(const std::string& output_file) {
    std::ifstream file(output_file);
    std::string line;
    while (std::getline(file, line))
        for (const std::string key : {"totals: ", "summary: "})
            if (line.rfind(key, 0) == 0)
                return std::stoll(line.substr(key.size()));
    return std::nullopt;
}

} // namespace

std::optional<long long>
Callgrind_Instructions(const std::string& program,
                       const std::map<std::string, std::string>& environment,
                       const std::string& output_file) {
    const auto valgrind = Find_In_Path("valgrind");
    if (!valgrind)
        return std::nullopt;
    std::filesystem::remove(output_file);
    auto settled = environment;
    // The same hash layouts, so the same work, every run.
    settled.insert_or_assign(std::string("QT_HASH_SEED"), std::string("0"));
    const Child_Run run = Run_Child(
        {*valgrind, "--tool=callgrind", "--callgrind-out-file=" + output_file, program}, settled);
    if (!run.exited_cleanly)
        return std::nullopt;
    return Read_Total(output_file);
}
