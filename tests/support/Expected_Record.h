// SPDX-License-Identifier: MIT
// The version record of this build, value by value, as the user's settings
// store should hold it.
#pragma once

#include <string>
#include <utility>
#include <vector>

inline const std::string Record_Key = "Software\\Harrowmere\\Tessaly";

inline const std::vector<std::pair<std::string, std::string>> Expected_Record = {
    {"Title", "Tessaly"},
    {"CompanyName", "Harrowmere"},
    {"Comments", "Visit us at Harrowmere"},
    {"FileDescription", "A tool for Bit to Decimal conversions."},
    {"LegalCopyright", "Copyright (c) 2013 Harrowmere. Released under the MIT License."},
    {"Version", "1.0.24"},
    {"Compiled", "02/02/2013"},
};

inline std::vector<std::string> Expected_Names() {
    std::vector<std::string> names;
    for (const auto& [name, text] : Expected_Record)
        names.push_back(name);
    return names;
}
