// SPDX-License-Identifier: MIT
// Tessaly started as app/main.cpp starts it, then used for a moment: a row
// typed and converted, a toggle clicked, a hexadecimal text pasted that the
// program logs. Prints what it saw, one "name<TAB>value" line each, for the
// fault tests that run it in a hostile environment.
//
// Two things differ from the real start: the log's program folder comes from
// the command line (the build tree cannot be made read-only for one run), and
// message boxes are printed instead of shown (nobody could dismiss them).
#include "Application_Setup.h"
#include "Error_Logging.h"
#include "Message_Box.h"
#include "Number_Field.h"
#include "Tessaly.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <cstdio>

namespace {

void Report(const char* name, const QString& value) {
    std::printf("%s\t%s\n", name, value.toUtf8().constData());
    std::fflush(stdout);
}

QString Rectangle_Text(const QRect& rectangle) {
    return QStringLiteral("%1 %2 %3 %4")
        .arg(rectangle.x())
        .arg(rectangle.y())
        .arg(rectangle.width())
        .arg(rectangle.height());
}

void Report_Start_Up(const Tessaly& window) {
    Report("title", window.windowTitle());
    Report("start_status_0", window.Status(0)->text());
    Report("start_status_8", window.Status(8)->text());
    Report("tool_tip_bit32_31", window.Toggle(2, 31)->toolTip());
    Report("window", Rectangle_Text(window.frameGeometry()));
    Report("screen", Rectangle_Text(window.screen()->geometry()));
}

void Use(Tessaly& window) {
    window.NumIn(0)->setFocus();
    window.NumIn(0)->selectAll();
    QTest::keyClicks(window.NumIn(0), QStringLiteral("200"));
    QTest::keyClick(window.NumIn(0), Qt::Key_Return);
    Report("typed_status_0", window.Status(0)->text());

    QCheckBox* lowest_bit = window.Toggle(0, 0);
    QTest::mouseClick(lowest_bit, Qt::LeftButton, {}, lowest_bit->rect().center());
    Report("toggled_field_0", window.NumIn(0)->text());
    Report("toggled_status_0", window.Status(0)->text());

    // Lower-case hexadecimal is a type mismatch: one line in the log.
    window.NumIn(8)->setText(QStringLiteral("ff"));
    QTest::mouseClick(window.PB(8), Qt::LeftButton);
    Report("pasted_status_8", window.Status(8)->text());
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Set_Up_Application();
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER\n", argv[0]);
        return 2;
    }
    Error_Logging::Set_Log_Folders(
        QString::fromLocal8Bit(argv[1]),
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
    Message_Box::Set_Handler([](const QString& text) { Report("message", text); });

    Tessaly window; // its construction runs the start-up
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        Report("exposed", QStringLiteral("no"));
        return 3;
    }
    Report_Start_Up(window);
    Use(window);
    Report("finished", QStringLiteral("yes"));
    return 0;
}
