// SPDX-License-Identifier: MIT
// The run's seed: TESSALY_MONKEY_SEED replays a run, otherwise a fresh one.
// TESSALY_MONKEY_EVENTS makes each run longer (or shorter) than the default.
#pragma once

#include <cstdint>
#include <string>

namespace Monkey_Seed {

inline constexpr const char* Seed_Variable = "TESSALY_MONKEY_SEED";
inline constexpr const char* Events_Variable = "TESSALY_MONKEY_EVENTS";

std::uint64_t Seed();
int Events(int default_count);

// "seed N (replay: TESSALY_MONKEY_SEED=N ./monkey_test --gtest_filter=...)"
std::string Replay_Hint(std::uint64_t seed, const std::string& test_name);

} // namespace Monkey_Seed
