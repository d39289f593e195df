// SPDX-License-Identifier: MIT
// The table's fixed-pitch font: "Courier New" 9.75 pt, or a look-alike.
#pragma once

#include <QFont>

// Maps "Courier New" to "Liberation Mono" where the former is missing.
// Call once after the QApplication exists, before the first table opens.
void Install_ASCII_Font_Substitutions();

// "Courier New" 9.75 pt regular; when neither it nor its substitute gives a
// fixed-pitch font, the system's fixed-pitch font at the same size, so that
// the columns always line up.
QFont ASCII_Font();
