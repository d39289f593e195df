// SPDX-License-Identifier: MIT
#include "Spoken_Form.h"

namespace {

bool Is_Bit_Pattern(QStringView text) {
    if (text.isEmpty())
        return false;
    for (const QChar digit : text)
        if (digit != QLatin1Char('0') && digit != QLatin1Char('1'))
            return false;
    return true;
}

} // namespace

QString Spoken_Form(const QString& shown) {
    const QString equals = QStringLiteral(" = ");
    const qsizetype at = shown.lastIndexOf(equals);
    if (at < 0)
        return shown;
    const QStringView pattern = QStringView(shown).mid(at + equals.size());
    if (!Is_Bit_Pattern(pattern))
        return shown;
    return shown.left(at + equals.size()) + Spoken_Bits(pattern);
}

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
