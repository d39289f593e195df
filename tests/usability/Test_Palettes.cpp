// SPDX-License-Identifier: MIT
#include "Test_Palettes.h"

namespace Test_Palettes {

QPalette Build(std::initializer_list<Role_Colours> roles) {
    QPalette palette;
    for (const auto& [role, normal, disabled] : roles) {
        palette.setColor(QPalette::Active, role, normal);
        palette.setColor(QPalette::Inactive, role, normal);
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    return palette;
}

QPalette Dark() {
    const QColor window(45, 45, 48);
    const QColor text(225, 225, 225);
    const QColor muted(128, 128, 128);
    return Build({{QPalette::Window, window, window},
                  {QPalette::WindowText, text, muted},
                  {QPalette::Base, QColor(30, 30, 32), QColor(45, 45, 48)},
                  {QPalette::AlternateBase, QColor(55, 55, 58), QColor(55, 55, 58)},
                  {QPalette::Text, text, muted},
                  {QPalette::PlaceholderText, muted, muted},
                  {QPalette::Button, QColor(60, 60, 64), QColor(50, 50, 53)},
                  {QPalette::ButtonText, text, muted},
                  {QPalette::BrightText, QColor(255, 90, 90), QColor(255, 90, 90)},
                  {QPalette::Light, QColor(80, 80, 84), QColor(80, 80, 84)},
                  {QPalette::Midlight, QColor(68, 68, 72), QColor(68, 68, 72)},
                  {QPalette::Mid, QColor(38, 38, 40), QColor(38, 38, 40)},
                  {QPalette::Dark, QColor(25, 25, 27), QColor(25, 25, 27)},
                  {QPalette::Shadow, QColor(10, 10, 10), QColor(10, 10, 10)},
                  {QPalette::Highlight, QColor(38, 110, 200), QColor(70, 70, 74)},
                  {QPalette::HighlightedText, QColor(235, 235, 235), muted},
                  {QPalette::ToolTipBase, QColor(60, 60, 64), QColor(60, 60, 64)},
                  {QPalette::ToolTipText, text, muted},
                  {QPalette::Link, QColor(110, 170, 240), muted}});
}

QPalette High_Contrast() {
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor yellow(255, 255, 0);
    const QColor green(63, 242, 63); // disabled text
    return Build({{QPalette::Window, black, black},
                  {QPalette::WindowText, white, green},
                  {QPalette::Base, black, black},
                  {QPalette::AlternateBase, black, black},
                  {QPalette::Text, white, green},
                  {QPalette::PlaceholderText, green, green},
                  {QPalette::Button, black, black},
                  {QPalette::ButtonText, white, green},
                  {QPalette::BrightText, yellow, yellow},
                  {QPalette::Light, white, white},
                  {QPalette::Midlight, white, white},
                  {QPalette::Mid, white, white},
                  {QPalette::Dark, white, white},
                  {QPalette::Shadow, white, white},
                  {QPalette::Highlight, yellow, green},
                  {QPalette::HighlightedText, black, black},
                  {QPalette::ToolTipBase, black, black},
                  {QPalette::ToolTipText, white, white},
                  {QPalette::Link, yellow, green}});
}

} // namespace Test_Palettes
