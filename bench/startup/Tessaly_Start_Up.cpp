// SPDX-License-Identifier: MIT
// The program's own start, as app/main.cpp does it, ending after the first
// paint of the main window.
#include "ASCII_Font.h"
#include "About_Fonts.h"
#include "Edge_Style.h"
#include "First_Show_Exit.h"
#include "Main_Window_Fonts.h"
#include "Tessaly.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Harrowmere"));
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    Install_Edge_Style();
    Install_Main_Window_Font_Substitutions();
    Install_ASCII_Font_Substitutions();
    Install_About_Font_Substitutions();
    Tessaly window;
    Exit_After_First_Paint(window);
    window.show();
    return application.exec();
}
