// SPDX-License-Identifier: MIT
// A crash would end the run before the test can print its seed: on a fatal
// signal, name the seed and the event that was running, then die as before.
#pragma once

#include <cstdint>

namespace Crash_Report {

void Arm(std::uint64_t seed);
void At_Event(int index); // cheap: stores the number only
void Disarm();

} // namespace Crash_Report
