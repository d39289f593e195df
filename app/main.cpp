// SPDX-License-Identifier: MIT
#include "Main_Window_Fonts.h"
#include "Tessaly.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Harrowmere"));
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    Install_Main_Window_Font_Substitutions();
    Tessaly window; // its construction runs the start-up
    window.show();
    return application.exec();
}
