// SPDX-License-Identifier: MIT
// The program's identity: title, maker, descriptions and version numbers.
// Nothing here changes at run time.
#pragma once

#include "Version.h"

#include <string>

namespace App_Identity {

inline constexpr const char* Title = "Tessaly";
inline constexpr const char* Company_Name = "Harrowmere";
inline constexpr const char* Comments = "Visit us at Harrowmere";
inline constexpr const char* File_Description = "A tool for Bit to Decimal conversions.";

// Major, minor and revision joined by points, no leading zeros: "1.0.24".
std::string Version_Text();

// The version information block's form: "1.00.0024".
std::string Block_Version_Text();

} // namespace App_Identity
