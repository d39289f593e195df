// SPDX-License-Identifier: MIT
// The palettes the windows must stay legible under.
#pragma once

#include <QPalette>
#include <initializer_list>

namespace Test_Palettes {

// Colours of the active and inactive groups, then of the disabled group.
struct Role_Colours {
    QPalette::ColorRole role;
    QColor normal;
    QColor disabled;
};

// Qt's default palette with these roles' colours.
QPalette Build(std::initializer_list<Role_Colours> roles);

// Light text on dark grey, as desktop dark themes give it.
QPalette Dark();

// White text on black with a yellow highlight, as high-contrast themes give it.
QPalette High_Contrast();

} // namespace Test_Palettes
