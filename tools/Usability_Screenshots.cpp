// SPDX-License-Identifier: MIT
// Photographs the main window (every row showing its widest result), the
// ASCII table window and a tool tip under a chosen palette, and lists every
// control that would be cut off. Run it on a real display, for example
//   QT_SCALE_FACTOR=1.5 xvfb-run -a -s "-screen 0 2560x1600x24"
//       usability_screenshots system docs/dpi/scale_1.5_
// which writes docs/dpi/scale_1.5_main_window.png, ..._ascii_table.png and
// ..._tool_tip.png. Exits with 3 when something is clipped.
#include "ASCII_Table.h"
#include "Application_Setup.h"
#include "Clipping_Check.h"
#include "Number_Field.h"
#include "Tessaly.h"
#include "Test_Palettes.h"
#include "Test_World.h"
#include "Widest_Results.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <cstdio>
#include <optional>

namespace {

// Black text on white with a dark blue highlight.
QPalette High_Contrast_White() {
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor blue(0, 0, 160);
    const QColor grey(96, 96, 96); // disabled text
    return Test_Palettes::Build({{QPalette::Window, white, white},
                                 {QPalette::WindowText, black, grey},
                                 {QPalette::Base, white, white},
                                 {QPalette::AlternateBase, white, white},
                                 {QPalette::Text, black, grey},
                                 {QPalette::PlaceholderText, grey, grey},
                                 {QPalette::Button, white, white},
                                 {QPalette::ButtonText, black, grey},
                                 {QPalette::BrightText, blue, blue},
                                 {QPalette::Light, black, black},
                                 {QPalette::Midlight, black, black},
                                 {QPalette::Mid, black, black},
                                 {QPalette::Dark, black, black},
                                 {QPalette::Shadow, black, black},
                                 {QPalette::Highlight, blue, grey},
                                 {QPalette::HighlightedText, white, white},
                                 {QPalette::ToolTipBase, white, white},
                                 {QPalette::ToolTipText, black, black},
                                 {QPalette::Link, blue, grey}});
}

// "dark", "high-contrast", "high-contrast-white" or "system" (the style's
// standard palette).
std::optional<QPalette> Named(const QString& name) {
    if (name == QLatin1String("dark"))
        return Test_Palettes::Dark();
    if (name == QLatin1String("high-contrast"))
        return Test_Palettes::High_Contrast();
    if (name == QLatin1String("high-contrast-white"))
        return High_Contrast_White();
    if (name == QLatin1String("system"))
        return QApplication::style()->standardPalette();
    return std::nullopt;
}

bool Save(const QPixmap& picture, const QString& path) {
    if (picture.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

QWidget* Shown_Tool_Tip() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return widget;
    return nullptr;
}

void Describe_Setting(const Tessaly& window, const ASCII_Table& table) {
    const QScreen* screen = window.screen();
    std::printf("style %s, scale %.2f, logical dpi %.0f\n", qPrintable(window.style()->name()),
                screen->devicePixelRatio(), screen->logicalDotsPerInch());
    std::printf("main window font: %s %d px; table font: %s%s\n",
                qPrintable(QFontInfo(window.font()).family()), QFontInfo(window.font()).pixelSize(),
                qPrintable(QFontInfo(table.ASCII->font()).family()),
                QFontInfo(table.ASCII->font()).fixedPitch() ? " (fixed pitch)" : "");
}

} // namespace

int main(int argc, char** argv) {
    // The start-up records its version in the user's settings: keep that, and
    // the error log, away from the real home.
    const Test_World world;
    world.Enter();
    QApplication application(argc, argv);
    const auto palette = argc == 3 ? Named(QString::fromLocal8Bit(argv[1])) : std::nullopt;
    if (!palette) {
        std::fprintf(stderr,
                     "usage: %s system|dark|high-contrast|high-contrast-white OUTPUT_PREFIX\n",
                     argv[0]);
        return 2;
    }
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    Set_Up_Application();
    QApplication::setPalette(*palette);
    world.Point_Log_Here();

    Tessaly window;
    Show_Widest_Results(window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    ASCII_Table* table = ASCII_Table::Show_Table();
    if (!QTest::qWaitForWindowExposed(table))
        return 1;
    QWidget* field = window.NumIn(5);
    QToolTip::showText(field->mapToGlobal(field->rect().bottomLeft()), field->toolTip(), field);
    QTest::qWait(500);

    Describe_Setting(window, *table);
    QWidget* tool_tip = Shown_Tool_Tip();
    bool saved = Save(window.grab(), prefix + "main_window.png") &&
                 Save(table->grab(), prefix + "ascii_table.png");
    if (tool_tip)
        saved = Save(tool_tip->grab(), prefix + "tool_tip.png") && saved;
    else
        std::fprintf(stderr, "no tool tip showed\n");
    if (!saved)
        return 1;

    QStringList faults = Clipped_Controls(window) + Texts_Crossed_By_Frame_Lines(window);
    Show_Refusals(window);
    faults += Clipped_Controls(window) + Texts_Crossed_By_Frame_Lines(window);
    faults.removeDuplicates();
    for (const QString& fault : faults)
        std::printf("clipped: %s\n", qPrintable(fault));
    return faults.isEmpty() ? 0 : 3;
}
