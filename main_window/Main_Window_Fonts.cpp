// SPDX-License-Identifier: MIT
#include "Main_Window_Fonts.h"

#include <QStringList>

void Install_Main_Window_Font_Substitutions() {
    QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
}

QFont Main_Window_Font() {
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
