// SPDX-License-Identifier: MIT
// The bare Qt program: the main window's widgets and nothing else, ending
// after their first paint.
#include "Bare_Window.h"
#include "First_Show_Exit.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Harrowmere"));
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    const auto window = Make_Bare_Window();
    Exit_After_First_Paint(*window);
    window->show();
    return application.exec();
}
