// SPDX-License-Identifier: MIT
// The main window: nine conversion rows in three frames, "Clear All", six bit
// toggle grids, the reset timer and the menus.
#pragma once

#include "Rows.h"
#include "Status_Line.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QGroupBox;
class QPushButton;
class Number_Field;

class Tessaly : public QMainWindow {
    Q_OBJECT

    // Control arrays are indexed by int, as their handlers receive them.
    template <typename Array> static auto& Item(Array& array, int index) {
        return array[static_cast<std::size_t>(index)];
    }

public:
    // Construction is the window's load: the controls are built, then
    // Form_Load initialises them, all before the window is first shown.
    explicit Tessaly(QWidget* parent = nullptr);

    // Handlers, named after the control and its event.
    void PB_Click(int Index);
    void NumIn_KeyPress(int Index, int& KeyAscii);
    void NumIn_GotFocus(int Index);
    void Timer_Delay_Reset_Timer();
    void Bit_Grid_Click(int grid); // bit8_Click ... abDINT_Click
    void sMnu_Click(int Index);
    void mAbout_Click();

    // What the Help menu hands to the About window: about 92 % opacity and
    // the notes, with one line feed after "Comments:".
    static QString About_Notes();
    static constexpr qint16 About_Opacity = 235;

    // True while PB_Click runs: the toggle handlers then ignore the state
    // changes that the conversion itself writes.
    bool Updating = false;

    // Controls, for the handlers and for tests.
    QPushButton* PB(int index) const { return Item(PB_, index); }
    Number_Field* NumIn(int index) const { return Item(NumIn_, index); }
    Status_Line* Status(int index) const { return Item(Status_, index); }
    QCheckBox* Toggle(int grid, int bit) const;
    QTimer& Timer_Delay_Reset() { return *Timer_Delay_Reset_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Build_Controls();
    QGroupBox* Frame_Of(int row) const;
    QGroupBox* Build_Frame(const char* name, const char* caption, int top);
    void Build_Row(int index, QWidget* frame);
    void Build_Grid(int grid, QWidget* frame);
    void Build_Menus();
    void Set_Tab_Order();

    void Form_Load();
    void IniMe();
    void Set_Captions_And_Tool_Tips();
    void Convert_Zero_Rows();
    void Set_Toggle_Tool_Tips();
    void Form_Unload();

    void Normalise_Field(int index);
    std::optional<double> Value_Within_Limit(int row);
    void Convert_To_Bits(int index);
    void Find_MSB(int row);
    void Decimal_To_Hex_Command(int row);
    void Hex_To_Decimal_Command(int row);
    void Show_Bits(int grid, const std::string& bits);
    void Show_Status(int row, const QString& text);
    // PB_Click for a command the user gives, and screen readers told of the
    // new status text; the conversions of the start and the reset are not
    // announced.
    void Convert_And_Announce(int row);
    QString T(int index) const; // the field's current text
    void Move_Focus_To_Field(int index);

    QString Grid_Bit_Text(int grid) const;

    std::array<QGroupBox*, 3> frames_{};
    std::array<QPushButton*, Rows::Button_Count> PB_{};
    std::array<Number_Field*, Rows::Count> NumIn_{};
    std::array<Status_Line*, Rows::Count> Status_{};
    std::array<std::vector<QCheckBox*>, Rows::Grid_Count> grids_{};
    QTimer* Timer_Delay_Reset_ = nullptr;
    bool first_show_done_ = false;
};
