// SPDX-License-Identifier: MIT
// Builds the main window's controls at their designed positions (twips).
#include "App_Icons.h"
#include "Frame_Box.h"
#include "Key_Filter.h"
#include "Main_Window_Fonts.h"
#include "Number_Field.h"
#include "Status_Line.h"
#include "Tessaly.h"
#include "Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
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

} // namespace

void Tessaly::Build_Controls() {
    setObjectName(QStringLiteral("Tessaly"));
    setWindowTitle(QStringLiteral("0")); // the designed caption, replaced by IniMe
    setWindowIcon(App_Icons::Application_Icon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    Install_Main_Window_Font_Substitutions();
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
        Build_Row(
            i, frames_[static_cast<std::size_t>(Rows::Table[static_cast<std::size_t>(i)].frame)]);
    for (int g = 0; g < Rows::Grid_Count; ++g)
        Build_Grid(
            g, frames_[static_cast<std::size_t>(Rows::Table[static_cast<std::size_t>(g)].frame)]);

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
    auto* frame = new Frame_Box(QLatin1String(caption), centralWidget());
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(Twips::Rect(Frame_Left, top, Frame_Width, Frame_Height));
    return frame;
}

void Tessaly::Build_Row(int index, QWidget* frame) {
    const auto& row = Rows::Table[static_cast<std::size_t>(index)];

    auto* button = new QPushButton(QStringLiteral("PB"), frame);
    button->setObjectName(Indexed_Name("PB", index));
    button->setGeometry(Twips::Rect(120, row.button_top, 1455, 315));
    connect(button, &QPushButton::clicked, this, [this, index] { PB_Click(index); });
    PB_[static_cast<std::size_t>(index)] = button;

    auto* field = new Number_Field(
        frame, [this, index](int& key) { NumIn_KeyPress(index, key); },
        [this, index] { NumIn_GotFocus(index); });
    field->setObjectName(Indexed_Name("NumIn", index));
    // Characters composed by an input method bypass the key handler; the
    // fields that filter their characters take typed keys only.
    if (Key_Filter::Filters(index))
        field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->setText(QStringLiteral("0"));
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setGeometry(Twips::Rect(1620, row.button_top, 2055, index == 6 ? 345 : 315));
    NumIn_[static_cast<std::size_t>(index)] = field;

    auto* status = new Status_Line(QStringLiteral("Status"), frame);
    status->setObjectName(Indexed_Name("Status", index));
    status->setGeometry(Twips::Rect(Grid_Left, row.status_top, 450, 195));
    status->adjustSize();
    Status_[static_cast<std::size_t>(index)] = status;
}

void Tessaly::Build_Grid(int grid, QWidget* frame) {
    const auto& grid_info = Rows::Grids[static_cast<std::size_t>(grid)];
    const int top = Rows::Table[static_cast<std::size_t>(grid)].grid_top;
    auto& toggles = grids_[static_cast<std::size_t>(grid)];
    toggles.resize(static_cast<std::size_t>(grid_info.width));
    for (int bit = 0; bit < grid_info.width; ++bit) {
        auto* toggle = new QCheckBox(frame);
        toggle->setObjectName(Indexed_Name(grid_info.name, bit));
        QRect area =
            Twips::Rect(Toggle_Left(grid_info.width, bit), top, Toggle_Width, Toggle_Height);
        area.setSize(area.size().expandedTo(Toggle_Minimum_Size(*toggle)));
        toggle->setGeometry(area);
        // toggled, not clicked: it fires for the program's setChecked as well
        // as for the user's clicks, so Updating is what keeps a conversion's
        // writes from converting back. (No QButtonGroup: Tab would skip its
        // members.)
        connect(toggle, &QCheckBox::toggled, this, [this, grid] { Bit_Grid_Click(grid); });
        toggles[static_cast<std::size_t>(bit)] = toggle;
    }
}

void Tessaly::Build_Menus() {
    auto* actions = menuBar()->addMenu(QStringLiteral("&Actions"));
    actions->setObjectName(QStringLiteral("mAct"));
    auto* show_ascii = actions->addAction(QStringLiteral("&Show ASCII Table"));
    show_ascii->setObjectName(QStringLiteral("sMnu_0"));
    connect(show_ascii, &QAction::triggered, this, [this] { sMnu_Click(0); });
    auto* exit = actions->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("sMnu_1"));
    connect(exit, &QAction::triggered, this, [this] { sMnu_Click(1); });

    auto* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mHlp"));
    auto* about = help->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("mAbout"));
    connect(about, &QAction::triggered, this, &Tessaly::mAbout_Click);
}

// Row by row: the button, the field, the toggles from the most significant
// bit down; "Clear All" after the unsigned rows.
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
            const auto& toggles = grids_[static_cast<std::size_t>(i)];
            for (auto bit = toggles.rbegin(); bit != toggles.rend(); ++bit)
                chain(*bit);
        }
        if (i == 2)
            chain(PB(Rows::Clear_All));
    }
}

QCheckBox* Tessaly::Toggle(int grid, int bit) const {
    return grids_.at(static_cast<std::size_t>(grid)).at(static_cast<std::size_t>(bit));
}
