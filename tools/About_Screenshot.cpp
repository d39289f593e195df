// SPDX-License-Identifier: MIT
// Renders the About window as the Help menu shows it into a PNG, half a
// second after it is shown; then stays on screen SECONDS more (none unless
// given), for a photograph of the whole screen.
#include "About.h"
#include "Application_Setup.h"
#include "Test_World.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const Test_World world; // a logged failure stays out of the build folder
    world.Enter();
    QApplication application(argc, argv);
    const int stay_seconds = argc == 3 ? std::atoi(argv[2]) : 0;
    if (argc < 2 || argc > 3 || stay_seconds < 0) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [SECONDS]\n", argv[0]);
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
        QTimer::singleShot(stay_seconds * 1000, &application, &QApplication::quit);
    });
    application.exec();
    return result;
}
