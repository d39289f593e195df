// SPDX-License-Identifier: MIT
#include "About_Fonts.h"

#include <QFont>

void Install_About_Font_Substitutions() {
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}
