// SPDX-License-Identifier: MIT
// The program's identity: title, maker, descriptions and version numbers.
// Nothing here changes at run time.
#pragma once

// Major, Minor, Revision, Title, Company_Name, Comments and File_Description,
// generated from the build's one record of them.
#include "Version.h"

#include <string>

namespace App_Identity {

// Major, minor and revision joined by points, no leading zeros: "1.0.24".
std::string Version_Text();

// The version information block's form: "1.00.0024".
std::string Block_Version_Text();

} // namespace App_Identity
