// SPDX-License-Identifier: MIT
// The About window's labels ask for "Comic Sans MS"; where that font is
// missing, Comic Neue stands in for it. Call once after the QApplication
// exists and before the About window is first shown.
#pragma once

void Install_About_Font_Substitutions();
