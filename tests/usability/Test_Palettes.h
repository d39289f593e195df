// SPDX-License-Identifier: MIT
// The palettes the windows must stay legible under.
#pragma once

#include <QPalette>
#include <QString>
#include <optional>

namespace Test_Palettes {

// Light text on dark grey, as desktop dark themes give it.
QPalette Dark();

// White text on black with a yellow highlight, as high-contrast themes give it.
QPalette High_Contrast();

// Black text on white with a dark blue highlight.
QPalette High_Contrast_White();

// "dark", "high-contrast", "high-contrast-white" or "system" (the style's
// standard palette).
std::optional<QPalette> Named(const QString& name);

} // namespace Test_Palettes
