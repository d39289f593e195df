// SPDX-License-Identifier: MIT
// Texts a user might paste or type: digits, numbers in every notation the
// parser knows, hexadecimal, and hostile Unicode (NUL, right-to-left marks,
// emoji, other scripts' digits), from one character up to a megabyte.
#pragma once

#include <QString>
#include <random>

namespace Random_Text {

using Engine = std::mt19937_64;

// A whole number from `low` to `high`, both included.
int Between(Engine& engine, int low, int high);
// True with the given probability.
bool Chance(Engine& engine, double probability);

// One character as a key would type it (a surrogate pair for emoji).
QString Typed_Character(Engine& engine);

// A number as a person writes or copies it: sign, digits, grouping,
// fraction, exponent, blanks around.
QString Number_Text(Engine& engine);

// A text for a paste; `longest` bounds its length in UTF-16 units.
QString Paste_Text(Engine& engine, int longest);

// The length of the next paste: mostly short, sometimes kilobytes, rarely up
// to a megabyte.
int Paste_Length(Engine& engine);

} // namespace Random_Text
