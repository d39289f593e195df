// SPDX-License-Identifier: MIT
// The window's load: IniMe's steps in their order.
#include "App_Identity.h"
#include "Error_Trap.h"
#include "Field_Numbers.h"
#include "Form_Control.h"
#include "Number_Field.h"
#include "Registry.h"
#include "Runtime_Services.h"
#include "Tessaly.h"

#include <QCheckBox>
#include <QLayout>
#include <QPushButton>

Tessaly::Tessaly(QWidget* parent) : QMainWindow(parent) {
    Build_Controls();
    Form_Load();
}

void Tessaly::Form_Load() {
    IniMe();
}

void Tessaly::IniMe() {
    Error_Trap::Run("Tessaly", "IniMe", [this] {
        // Order matters: the version record is checked before anything else,
        // so that the About window can rely on App_Version afterwards.
        [[maybe_unused]] const std::string record = Registry::Check_Version_Record();
        setWindowTitle(QString::fromLatin1(App_Identity::Title));
        Set_Captions_And_Tool_Tips();
        Convert_Zero_Rows();
        Set_Toggle_Tool_Tips();
        adjustSize(); // the window's fixed size: the client area and the menu bar
        CenterForm(*this);
    });
}

// PB(0), NumIn(0), PB(1), NumIn(1) ... PB(6), NumIn(6), then PB(7) to PB(9).
void Tessaly::Set_Captions_And_Tool_Tips() {
    for (int i = 0; i < Rows::Count; ++i) {
        const auto& row = Rows::Table[static_cast<std::size_t>(i)];
        const QString caption = QString::fromLatin1(row.caption);
        PB(i)->setText(caption);
        if (row.tool_tip)
            NumIn(i)->setToolTip(QString::fromLatin1(row.tool_tip));
        // Screen readers name the field after its row's command.
        NumIn(i)->setAccessibleName(caption);
    }
    PB(Rows::Clear_All)->setText(QString::fromLatin1(Rows::Clear_All_Caption));
}

void Tessaly::Convert_Zero_Rows() {
    for (int i = 0; i < Rows::Count; ++i) {
        Status(i)->clear();
        NumIn(i)->setText(QStringLiteral("0"));
        PB_Click(i);
    }
}

// "Bit b = 2^b"; the top toggle of a signed grid is the sign.
void Tessaly::Set_Toggle_Tool_Tips() {
    for (int g = 0; g < Rows::Grid_Count; ++g) {
        const auto& grid = Rows::Grids[static_cast<std::size_t>(g)];
        for (int bit = 0; bit < grid.width; ++bit) {
            const bool sign = grid.is_signed && bit == grid.width - 1;
            const QString weight =
                sign ? QStringLiteral("Sign")
                     : Field_Numbers::Canonical_Text(Runtime_Services::Power_Of_Two(bit));
            const QString tip = QStringLiteral("Bit %1 = %2").arg(bit).arg(weight);
            Toggle(g, bit)->setToolTip(tip);
            Toggle(g, bit)->setAccessibleName(tip);
        }
    }
}

void Tessaly::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!first_show_done_) {
        first_show_done_ = true;
        // Typing works at once and replaces the "0".
        NumIn(0)->setFocus(Qt::OtherFocusReason);
        NumIn(0)->selectAll();
    }
}
