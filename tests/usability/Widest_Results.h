// SPDX-License-Identifier: MIT
// Fills the main window's rows with the inputs that give the longest texts a
// user meets, so that clipping shows where it would.
#pragma once

class Tessaly;

// Every row's largest or lowest accepted value: "4294967295 = 111...1",
// "2147483647 requires 31 bits, MSB is bit 30 = 1073741824", ...
void Show_Widest_Results(Tessaly& window);

// Every row's refusal of a value too large (or, for "Find MSB", negative).
void Show_Refusals(Tessaly& window);
