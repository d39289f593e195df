// SPDX-License-Identifier: MIT
// The version record in the current user's settings store.
#pragma once

#include <string>

namespace Registry {

// Records, verifies or rebuilds the version record; returns "created",
// "updated" or "verified". Sets App_Version first.
std::string Check_Version_Record();

// The running version text ("1.0.24"); empty until the first check.
const std::string& App_Version();

} // namespace Registry
