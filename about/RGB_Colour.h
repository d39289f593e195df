// SPDX-License-Identifier: MIT
// A 24-bit colour from three 16-bit components.
#pragma once

#include <QColor>

// A component above 255 counts as 255; a negative one fails with 5.
QColor RGB_Colour(qint16 red, qint16 green, qint16 blue);
