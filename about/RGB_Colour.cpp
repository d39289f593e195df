// SPDX-License-Identifier: MIT
#include "RGB_Colour.h"

#include "Runtime_Services.h"

#include <algorithm>

namespace {

int Component(qint16 value) {
    if (value < 0)
        throw Run_Time_Failure(Failure::Invalid_Procedure_Call);
    return std::min<int>(value, 255);
}

} // namespace

QColor RGB_Colour(qint16 red, qint16 green, qint16 blue) {
    return QColor(Component(red), Component(green), Component(blue));
}
