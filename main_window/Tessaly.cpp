// SPDX-License-Identifier: MIT
// The main window's construction: its controls at their designed positions
// (twips), then the load, IniMe's steps in their order.
#include "Tessaly.h"

#include "Accessible_Factory.h"
#include "App_Identity.h"
#include "Error_Trap.h"
#include "Field_Numbers.h"
#include "Form_Control.h"
#include "Number_Field.h"
#include "Registry.h"
#include "Runtime_Services.h"
#include "Status_Line.h"
#include "Toggle_Grid.h"
#include "Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

namespace {

constexpr int Client_Width = 12060;
constexpr int Client_Height = 5790;
constexpr int Frame_Left = 60;
constexpr int Frame_Width = 11895;
constexpr int Frame_Height = 1875;
constexpr std::array<int, 3> Frame_Tops{0, 1920, 3840};
constexpr std::array<const char*, 3> Frame_Names{"Unsigned", "Signed", "HexConv"};
constexpr std::array<const char*, 3> Frame_Captions{"Unsigned Conversions", "Signed Conversions",
                                                    "HEX Conversions"};

constexpr int Toggle_Width = 255;
constexpr int Toggle_Height = 195;
constexpr int Grid_Left = 3720;

// With k = N - 1 - b counted from the most significant bit: neighbours are
// 240 apart and each group of eight bits is set off by another 120.
constexpr int Toggle_Left(int width, int bit) {
    const int k = width - 1 - bit;
    return Grid_Left + 240 * k + 120 * (k / 8);
}

// The designed 255 x 195 twips, or more where the style's check mark needs
// it, so that no indicator is clipped.
QSize Toggle_Minimum_Size(const QCheckBox& toggle) {
    const QStyle* style = toggle.style();
    return {style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &toggle) + 2,
            style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, &toggle) + 2};
}

QString Indexed_Name(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// "Microsoft Sans Serif", 8.25 pt, regular: every control of the window.
// Where the font is missing the application's substitution stands in.
QFont Main_Window_Font() {
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

Tessaly::Tessaly(QWidget* parent) : QMainWindow(parent) {
    Install_Accessible_Interfaces();
    Build_Controls();
    Form_Load();
}

void Tessaly::Build_Controls() {
    setObjectName(QStringLiteral("Tessaly"));
    setWindowTitle(QStringLiteral("0")); // the designed caption, replaced by IniMe
    setWindowIcon(App_Icons::Application_Icon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(Main_Window_Font());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(Twips::Size(Client_Width, Client_Height));
    // Bit patterns read most significant bit first, left to right, in every
    // locale: the rows never mirror, not even under a right-to-left language.
    client->setLayoutDirection(Qt::LeftToRight);
    setCentralWidget(client);

    for (std::size_t f = 0; f < frames_.size(); ++f)
        frames_[f] = Build_Frame(Frame_Names[f], Frame_Captions[f], Frame_Tops[f]);
    for (int i = 0; i < Rows::Count; ++i)
        Build_Row(i, Frame_Of(i));
    for (int g = 0; g < Rows::Grid_Count; ++g)
        Build_Grid(g, Frame_Of(g));

    // "Clear All" sits on the window itself, in front of the first frame's
    // empty upper right corner.
    auto* clear_all = new QPushButton(QStringLiteral("PB"), client);
    clear_all->setObjectName(Indexed_Name("PB", Rows::Clear_All));
    clear_all->setGeometry(Twips::Rect(10320, 240, 1455, 315));
    clear_all->raise();
    connect(clear_all, &QPushButton::clicked, this, [this] { PB_Click(Rows::Clear_All); });
    PB_[Rows::Clear_All] = clear_all;

    Timer_Delay_Reset_ = new QTimer(this);
    Timer_Delay_Reset_->setObjectName(QStringLiteral("Timer_Delay_Reset"));
    Timer_Delay_Reset_->setInterval(100);
    connect(Timer_Delay_Reset_, &QTimer::timeout, this, &Tessaly::Timer_Delay_Reset_Timer);

    Build_Menus();
    Set_Tab_Order();
    layout()->setSizeConstraint(QLayout::SetFixedSize); // a fixed dialog frame
}

QGroupBox* Tessaly::Build_Frame(const char* name, const char* caption, int top) {
    auto* frame = new QGroupBox(QLatin1String(caption), centralWidget());
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(Twips::Rect(Frame_Left, top, Frame_Width, Frame_Height));
    return frame;
}

QGroupBox* Tessaly::Frame_Of(int row) const {
    return frames_[static_cast<std::size_t>(Rows::Row_At(row).frame)];
}

void Tessaly::Build_Row(int index, QWidget* frame) {
    const Rows::Row& row = Rows::Row_At(index);

    auto* button = new QPushButton(QStringLiteral("PB"), frame);
    button->setObjectName(Indexed_Name("PB", index));
    button->setGeometry(Twips::Rect(120, row.button_top, 1455, 315));
    connect(button, &QPushButton::clicked, this, [this, index] { Convert_And_Announce(index); });
    Item(PB_, index) = button;

    auto* field = new Number_Field(
        frame, [this, index](int& key) { NumIn_KeyPress(index, key); },
        [this, index] { NumIn_GotFocus(index); });
    field->setObjectName(Indexed_Name("NumIn", index));
    // Characters composed by an input method bypass the key handler; the
    // fields that filter their characters take typed keys only.
    if (row.keys != Rows::Keys::Any)
        field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->setText(QStringLiteral("0"));
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setGeometry(Twips::Rect(1620, row.button_top, 2055, row.field_height));
    Item(NumIn_, index) = field;

    auto* status = new Status_Line(QStringLiteral("Status"), frame);
    status->setObjectName(Indexed_Name("Status", index));
    status->setGeometry(Twips::Rect(Grid_Left, row.status_top, 450, 195));
    status->adjustSize();
    Item(Status_, index) = status;
}

void Tessaly::Build_Grid(int grid, QWidget* frame) {
    const Rows::Grid& grid_info = Rows::Grid_At(grid);
    const int top = Rows::Row_At(grid).grid_top;
    auto* area = new Toggle_Grid(frame);
    area->setObjectName(QLatin1String(grid_info.name) + QStringLiteral("_Grid"));
    area->setAccessibleName(QString::fromLatin1(Rows::Row_At(grid).caption) +
                            QStringLiteral(" bits"));
    auto& toggles = Item(grids_, grid);
    toggles.resize(static_cast<std::size_t>(grid_info.width));
    for (int bit = 0; bit < grid_info.width; ++bit) {
        auto* toggle = new QCheckBox(area);
        toggle->setObjectName(Indexed_Name(grid_info.name, bit));
        QRect in_frame =
            Twips::Rect(Toggle_Left(grid_info.width, bit), top, Toggle_Width, Toggle_Height);
        in_frame.setSize(in_frame.size().expandedTo(Toggle_Minimum_Size(*toggle)));
        toggle->setGeometry(in_frame);
        // toggled, not clicked: it fires for the program's setChecked as well
        // as for the user's clicks, so Updating is what keeps a conversion's
        // writes from converting back.
        connect(toggle, &QCheckBox::toggled, this, [this, grid] { Bit_Grid_Click(grid); });
        Item(toggles, bit) = toggle;
    }
    area->Take_Toggles(toggles);
}

void Tessaly::Build_Menus() {
    // A drop-down menu is a window of its own and takes the application's
    // font unless given the bar's.
    const QFont font = menuBar()->font();
    auto* actions = menuBar()->addMenu(QStringLiteral("&Actions"));
    actions->setFont(font);
    actions->setObjectName(QStringLiteral("mAct"));
    // A drop-down menu is named by its window title, which it has none of:
    // screen readers say the menu's name as it opens.
    actions->setAccessibleName(QStringLiteral("Actions"));
    auto* show_ascii = actions->addAction(QStringLiteral("&Show ASCII Table"));
    show_ascii->setObjectName(QStringLiteral("sMnu_0"));
    connect(show_ascii, &QAction::triggered, this, [this] { sMnu_Click(0); });
    auto* exit = actions->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("sMnu_1"));
    connect(exit, &QAction::triggered, this, [this] { sMnu_Click(1); });

    auto* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setFont(font);
    help->setObjectName(QStringLiteral("mHlp"));
    help->setAccessibleName(QStringLiteral("Help"));
    auto* about = help->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("mAbout"));
    connect(about, &QAction::triggered, this, &Tessaly::mAbout_Click);

    // F10 opens the menu bar, as it does on the Linux desktops and on
    // Windows: the first menu drops down with its first item highlighted, as
    // after Alt and the menu's access key.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this, actions] {
        menuBar()->setActiveAction(actions->menuAction());
        actions->setActiveAction(actions->actions().value(0));
    });
}

// Row by row: the button, the field, the grid (one stop: its toggles are
// chained from the most significant bit down, and the grid lets only the
// bit last visited take the focus from Tab); "Clear All" after the unsigned
// rows.
void Tessaly::Set_Tab_Order() {
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (int i = 0; i < Rows::Count; ++i) {
        chain(PB(i));
        chain(NumIn(i));
        if (i < Rows::Grid_Count) {
            const auto& toggles = Item(grids_, i);
            for (auto bit = toggles.rbegin(); bit != toggles.rend(); ++bit)
                chain(*bit);
        }
        if (i == Rows::Clear_All_Tab_After)
            chain(PB(Rows::Clear_All));
    }
}

QCheckBox* Tessaly::Toggle(int grid, int bit) const {
    const auto& toggles = grids_.at(static_cast<std::size_t>(grid));
    return toggles.at(static_cast<std::size_t>(bit));
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
        const Rows::Row& row = Rows::Row_At(i);
        const QString caption = QString::fromLatin1(row.caption);
        PB(i)->setText(caption);
        if (row.tool_tip)
            NumIn(i)->setToolTip(QString::fromLatin1(row.tool_tip));
        // Screen readers name the field after its row's command; its tool
        // tip is its description.
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
        const Rows::Grid& grid = Rows::Grid_At(g);
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
