// SPDX-License-Identifier: MIT
#include "App_Identity.h"

#include <cstdio>

namespace App_Identity {

std::string Version_Text() {
    return std::to_string(Major) + "." + std::to_string(Minor) + "." + std::to_string(Revision);
}

std::string Block_Version_Text() {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d.%04d", Major, Minor, Revision);
    return text;
}

} // namespace App_Identity
