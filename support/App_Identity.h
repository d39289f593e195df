// SPDX-License-Identifier: MIT
// The program's identity: title, maker, descriptions and version numbers.
// Nothing here changes at run time.
#pragma once

// Major, Minor, Revision, Title, Company_Name, Comments and File_Description,
// generated from the build's one record of them.
#include "Version.h"

#include <QIcon>
#include <string>

namespace App_Identity {

// Major, minor and revision joined by points, no leading zeros: "1.0.24".
std::string Version_Text();

// The version information block's form: "1.00.0024".
std::string Block_Version_Text();

} // namespace App_Identity

// The program's two 32 x 32, 16-colour icons, drawn as XPM files in assets/.
namespace App_Icons {

// Black letter i on a silver tile: the main window and the executable.
QIcon Application_Icon();

// Black tick on a silver tile: the ASCII table and About windows.
QIcon Tick_Icon();

} // namespace App_Icons
