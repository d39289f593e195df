// SPDX-License-Identifier: MIT
// Opens the ASCII table window on a real display and saves what it shows:
//   ascii_table_screenshot OUTPUT.png [FIRST_CODE_SHOWN]
#include "ASCII_Table.h"
#include "Application_Setup.h"
#include "Test_World.h"

#include <QApplication>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <cstdio>

int main(int argc, char** argv) {
    const Test_World world;
    world.Enter();
    QApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [FIRST_CODE_SHOWN]\n", argv[0]);
        return 2;
    }
    world.Point_Log_Here();
    Install_Font_Substitutions();

    ASCII_Table* table = ASCII_Table::Show_Table();
    if (!QTest::qWaitForWindowExposed(table))
        return 1;
    if (argc == 3)
        table->ASCII->verticalScrollBar()->setValue(QString::fromLocal8Bit(argv[2]).toInt());
    QTest::qWait(200);
    return table->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
