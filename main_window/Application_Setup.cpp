// SPDX-License-Identifier: MIT
#include "Application_Setup.h"

#include "ASCII_Font.h"
#include "About_Fonts.h"
#include "Edge_Style.h"
#include "Main_Window_Fonts.h"

#include <QApplication>

void Set_Up_Application() {
    QApplication::setOrganizationName(QStringLiteral("Harrowmere"));
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    Install_Edge_Style();
    Install_Main_Window_Font_Substitutions();
    Install_ASCII_Font_Substitutions();
    Install_About_Font_Substitutions();
}
