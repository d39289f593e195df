// SPDX-License-Identifier: MIT
// What the program sets for the whole application before its first window:
// its maker and name (they place the settings file), its style, and the font
// substitutions of its three windows. The program calls it, and so do the
// benchmarks and probes that start Tessaly as the program does.
#pragma once

// Call once the QApplication exists.
void Set_Up_Application();

// The windows ask for the fonts they were designed with ("Microsoft Sans
// Serif", "Courier New", "Comic Sans MS"); where one is missing, a close
// look-alike stands in for it. Part of Set_Up_Application; tests that build a
// window without the rest of the set-up call it alone.
void Install_Font_Substitutions();
