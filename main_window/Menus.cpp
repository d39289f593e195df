// SPDX-License-Identifier: MIT
// The Actions and Help menus, and the end of the program.
#include "Error_Trap.h"
#include "Tessaly.h"

#include <QApplication>
#include <QCloseEvent>

namespace {

// Ending the program closes every window at once; nothing is saved.
void End_Program() {
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace

void Tessaly::sMnu_Click(int Index) {
    switch (Index) {
    case 0:
        break; // the ASCII table window comes with its own library
    case 1:
        End_Program();
        break;
    default:
        break;
    }
}

void Tessaly::mAbout_Click() {
    Error_Trap::Run("Tessaly", "mAbout_Click", [] {});
}

void Tessaly::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void Tessaly::Form_Unload() {
    End_Program();
}
