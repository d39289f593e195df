// SPDX-License-Identifier: MIT
// The Actions and Help menus, and the end of the program.
#include "ASCII_Table.h"
#include "About.h"
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
        ASCII_Table::Show_Table(); // modeless and without an owner
        break;
    case 1:
        End_Program();
        break;
    default:
        break;
    }
}

QString Tessaly::About_Notes() {
    return QStringLiteral("Comments:") + QLatin1Char('\n') +
           QStringLiteral("Tessaly is a number conversion tool. This application converts Binary, "
                          "Decimal and Hexadecimal numbers.");
}

void Tessaly::mAbout_Click() {
    Error_Trap::Run("Tessaly", "mAbout_Click", [] {
        About about; // no owner; loaded afresh for every showing
        about.setProperty("App_Notes", About_Notes());
        about.setProperty("Form_Transparency", QVariant::fromValue<qint16>(About_Opacity));
        about.exec(); // modal: the main window takes no input until it closes
    });
}

void Tessaly::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void Tessaly::Form_Unload() {
    End_Program();
}
