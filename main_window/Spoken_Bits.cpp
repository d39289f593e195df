// SPDX-License-Identifier: MIT
#include "Spoken_Bits.h"

QString Spoken_Bits(QStringView bits) {
    QString spoken;
    spoken.reserve(bits.size() * 2 + bits.size() / 4);
    for (qsizetype index = 0; index < bits.size(); ++index) {
        if (index > 0)
            spoken += index % 4 == 0 ? QStringLiteral(", ") : QStringLiteral(" ");
        spoken += bits[index];
    }
    return spoken;
}
