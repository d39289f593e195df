// SPDX-License-Identifier: MIT
// Renders the About window as the Help menu shows it into a PNG.
#include "About.h"
#include "Application_Setup.h"
#include "Test_World.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    const Test_World world; // a logged failure stays out of the build folder
    world.Enter();
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    world.Point_Log_Here();
    Install_Font_Substitutions();
    About about;
    about.Set_App_Notes(QStringLiteral(
        "Tessaly converts decimal numbers into 8-, 16- and 32-bit patterns, signed and "
        "unsigned, finds the most significant bit and converts between decimal and "
        "hexadecimal.\nClick anywhere, press Escape or wait 30 seconds to close this window."));
    about.Set_Form_Transparency(235);
    about.show();
    int result = 1;
    QTimer::singleShot(500, [&] {
        result = about.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        application.quit();
    });
    application.exec();
    return result;
}
