// SPDX-License-Identifier: MIT
// The program's two 32 x 32, 16-colour icons, drawn as XPM files in assets/.
#pragma once

#include <QIcon>

namespace App_Icons {

// Black letter i on a silver tile: the main window and the executable.
QIcon Application_Icon();

// Black tick on a silver tile: the ASCII table and About windows.
QIcon Tick_Icon();

} // namespace App_Icons
