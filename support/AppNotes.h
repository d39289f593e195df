// SPDX-License-Identifier: MIT
// Fixed notes shown in the About window and stored in the version record.
#pragma once

namespace AppNotes {

// Month/day/year as fixed text, shown verbatim whatever the user's date format.
inline constexpr const char* Compile_Date = "02/02/2013";
inline constexpr const char* Licence_Notice =
    "Copyright (c) 2013 Harrowmere. Released under the MIT License.";

} // namespace AppNotes
