// SPDX-License-Identifier: MIT
// The program's own start, as app/main.cpp does it, ending after the first
// paint of the main window.
#include "Application_Setup.h"
#include "First_Show_Exit.h"
#include "Tessaly.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Set_Up_Application();
    Tessaly window;
    Exit_After_First_Paint(window);
    window.show();
    return application.exec();
}
