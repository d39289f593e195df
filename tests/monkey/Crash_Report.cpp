// SPDX-License-Identifier: MIT
#include "Crash_Report.h"

#include <array>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace Crash_Report {
namespace {

constexpr std::array<int, 5> Fatal_Signals{SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL};

char seed_text[160];
volatile std::sig_atomic_t event_index = -1;

// Only async-signal-safe calls from here on: write(2) and a hand-made number.
void Write_Number(long number) {
    if (number < 0) {
        [[maybe_unused]] const auto written = write(STDERR_FILENO, "start-up", 8);
        return;
    }
    char digits[24];
    int length = 0;
    do {
        digits[sizeof digits - 1 - static_cast<std::size_t>(length++)] =
            static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0);
    [[maybe_unused]] const auto written =
        write(STDERR_FILENO, digits + sizeof digits - length, static_cast<std::size_t>(length));
}

void On_Fatal_Signal(int signal_number) {
    [[maybe_unused]] auto written = write(STDERR_FILENO, seed_text, std::strlen(seed_text));
    Write_Number(event_index);
    written = write(STDERR_FILENO, "\n", 1);
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
}

} // namespace

void Arm(std::uint64_t seed) {
    std::snprintf(seed_text, sizeof seed_text,
                  "\nmonkey: crashed with seed %llu (replay with TESSALY_MONKEY_SEED=%llu) at "
                  "event ",
                  static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed));
    event_index = -1;
    for (const int signal_number : Fatal_Signals)
        std::signal(signal_number, On_Fatal_Signal);
}

void At_Event(int index) {
    event_index = index;
}

void Disarm() {
    for (const int signal_number : Fatal_Signals)
        std::signal(signal_number, SIG_DFL);
}

} // namespace Crash_Report
