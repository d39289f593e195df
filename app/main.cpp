// SPDX-License-Identifier: MIT
#include "Application_Setup.h"
#include "Tessaly.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Set_Up_Application();
    Tessaly window; // its construction runs the start-up
    window.show();
    return application.exec();
}
