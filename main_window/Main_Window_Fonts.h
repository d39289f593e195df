// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// Where "Microsoft Sans Serif" is missing (Linux), a close sans-serif of the
// same metrics stands in for it.
void Install_Main_Window_Font_Substitutions();

// "Microsoft Sans Serif", 8.25 pt, regular: every control of the main window.
QFont Main_Window_Font();
