// SPDX-License-Identifier: MIT
#include "Monkey_Seed.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <random>

namespace Monkey_Seed {
namespace {

template <typename Number> bool Read(const char* variable, Number& number) {
    const char* text = std::getenv(variable);
    if (!text || !*text)
        return false;
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, number);
    return error == std::errc() && stop == end;
}

} // namespace

std::uint64_t Seed() {
    std::uint64_t seed = 0;
    if (Read(Seed_Variable, seed))
        return seed;
    std::random_device device;
    return (std::uint64_t{device()} << 32) | device();
}

int Events(int default_count) {
    int count = 0;
    return Read(Events_Variable, count) && count > 0 ? count : default_count;
}

std::string Replay_Hint(std::uint64_t seed, const std::string& test_name) {
    return "seed " + std::to_string(seed) + " (replay: " + Seed_Variable + "=" +
           std::to_string(seed) + " tests/monkey/monkey_test --gtest_filter=" + test_name + ")";
}

} // namespace Monkey_Seed
