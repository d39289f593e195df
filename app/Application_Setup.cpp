// SPDX-License-Identifier: MIT
#include "Application_Setup.h"

#include "Edge_Style.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void Set_Up_Application() {
    QApplication::setOrganizationName(QStringLiteral("Harrowmere"));
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    Install_Edge_Style();
    Install_Font_Substitutions();
}

void Install_Font_Substitutions() {
    // The main window: a sans-serif of the same metrics.
    QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    // The ASCII table: only where the font is missing, so that a system
    // that has it keeps its own.
    const QString table_family = QStringLiteral("Courier New");
    if (!QFontDatabase::hasFamily(table_family))
        QFont::insertSubstitution(table_family, QStringLiteral("Liberation Mono"));
    // The About window's labels.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}
