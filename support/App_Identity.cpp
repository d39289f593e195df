// SPDX-License-Identifier: MIT
#include "App_Identity.h"

#include <cstdio>

namespace App_Identity {

// The numbers are 16-bit in the version block.
static_assert(Major >= 0 && Major <= 65535 && Minor >= 0 && Minor <= 65535 && Revision >= 0 &&
              Revision <= 65535);

std::string Version_Text() {
    return std::to_string(Major) + "." + std::to_string(Minor) + "." + std::to_string(Revision);
}

std::string Block_Version_Text() {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d.%04d", Major, Minor, Revision);
    return text;
}

} // namespace App_Identity

namespace App_Icons {

QIcon Application_Icon() {
    return QIcon(QStringLiteral(":/icons/tessaly.xpm"));
}
QIcon Tick_Icon() {
    return QIcon(QStringLiteral(":/icons/tick.xpm"));
}

} // namespace App_Icons
