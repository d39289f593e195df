// SPDX-License-Identifier: MIT
#include "Child_Process.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::vector<std::string> Merged_Environment(const std::map<std::string, std::string>& overrides) {
    std::vector<std::string> merged;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        if (!overrides.count(name))
            merged.push_back(text);
    }
    for (const auto& [name, value] : overrides)
        merged.push_back(name + "=" + value);
    return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::string Read_All(int descriptor) {
    std::string output;
    char buffer[4096];
    ssize_t count = 0;
    while ((count = read(descriptor, buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(count));
    return output;
}

long long Steady_Nanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

Child_Run Run_Child(const std::vector<std::string>& arguments,
                    const std::map<std::string, std::string>& environment) {
    Child_Run run;
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<std::string> argument_texts = arguments;
    std::vector<std::string> environment_texts = Merged_Environment(environment);
    std::vector<char*> argv = Pointers(argument_texts);
    std::vector<char*> envp = Pointers(environment_texts);

    pid_t child = 0;
    const long long spawned_at = Steady_Nanoseconds();
    const int failed = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_ends[1]);
    if (failed) {
        close(pipe_ends[0]);
        return run;
    }
    const std::string output = Read_All(pipe_ends[0]);
    close(pipe_ends[0]);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.max_rss_kb = usage.ru_maxrss;
    run.exited_cleanly = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    long long shown_at = 0;
    if (const auto at = output.find("shown ");
        at != std::string::npos && std::sscanf(output.c_str() + at, "shown %lld", &shown_at) == 1)
        run.shown_ms = static_cast<double>(shown_at - spawned_at) / 1e6;
    return run;
}
