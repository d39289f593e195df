// SPDX-License-Identifier: MIT
#include "ASCII_Font.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace {

const QString Table_Family = QStringLiteral("Courier New");
const QString Substitute_Family = QStringLiteral("Liberation Mono");
constexpr double Table_Point_Size = 9.75;

} // namespace

void Install_ASCII_Font_Substitutions() {
    if (!QFontDatabase::hasFamily(Table_Family))
        QFont::insertSubstitution(Table_Family, Substitute_Family);
}

QFont ASCII_Font() {
    QFont font(Table_Family);
    font.setPointSizeF(Table_Point_Size);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    if (QFontInfo(font).fixedPitch())
        return font;
    QFont fallback = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fallback.setPointSizeF(Table_Point_Size);
    return fallback;
}
