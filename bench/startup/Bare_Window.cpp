// SPDX-License-Identifier: MIT
#include "Bare_Window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <array>

namespace {

// Twips, 15 to a logical pixel, as the program designs its window.
constexpr int Px(int twips) {
    return (twips + 7) / 15;
}
QRect Rect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

struct Row {
    int frame;
    const char* caption;
    const char* tool_tip;
    int top;
    int status_top;
    int grid_top;
    int bits; // 0: no toggles
    bool is_signed;
};

constexpr std::array<Row, 9> Rows{{
    {0, "Dec to  8 BIT", "Range 0 to 255", 300, 180, 420, 8, false},
    {0, "Dec to 16 BIT", "Range 0 to  65,535", 840, 720, 960, 16, false},
    {0, "Dec to 32 BIT", "Range 0 to 4,294,967,295", 1380, 1260, 1500, 32, false},
    {1, "Dec to SINT", "Range -128 to 127", 360, 240, 480, 8, true},
    {1, "Dec to INT", "Range -32,768 to 32,767", 900, 780, 1020, 16, true},
    {1, "Dec to DINT", "Range -2,147,483,648 to 2,147,483,647", 1440, 1320, 1560, 32, true},
    {2, "Find MSB", "Enter a number", 360, 420, 0, 0, false},
    {2, "Decimal to Hex", nullptr, 900, 960, 0, 0, false},
    {2, "Hex to Decimal", nullptr, 1440, 1500, 0, 0, false},
}};

// What the rows show once every field holds 0.
QString Start_Status(int row, int bits) {
    if (bits > 0)
        return QStringLiteral("0 = ") + QString(bits, QLatin1Char('0'));
    static const std::array<const char*, 3> texts{"0 requires 1 bits, MSB is bit 0 = 1",
                                                  "[Decimal] 0 = [Hexadecimal] 0",
                                                  "[Hexadecimal] 0 = [Decimal] 0"};
    return QString::fromLatin1(texts[static_cast<std::size_t>(row - 6)]);
}

void Add_Toggles(const Row& row, QWidget* frame) {
    for (int bit = 0; bit < row.bits; ++bit) {
        auto* toggle = new QCheckBox(frame);
        const int k = row.bits - 1 - bit;
        QRect area = Rect(3720 + 240 * k + 120 * (k / 8), row.grid_top, 255, 195);
        area.setSize(area.size().expandedTo(
            {toggle->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, toggle) + 2,
             toggle->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, toggle) + 2}));
        toggle->setGeometry(area);
        const QString tip =
            row.is_signed && bit == row.bits - 1
                ? QStringLiteral("Bit %1 = Sign").arg(bit)
                : QStringLiteral("Bit %1 = %2").arg(bit).arg(static_cast<qulonglong>(1) << bit);
        toggle->setToolTip(tip);
        toggle->setAccessibleName(tip);
    }
}

void Add_Row(int index, QWidget* frame) {
    const Row& row = Rows[static_cast<std::size_t>(index)];
    auto* button = new QPushButton(QString::fromLatin1(row.caption), frame);
    button->setGeometry(Rect(120, row.top, 1455, 315));
    auto* field = new QLineEdit(QStringLiteral("0"), frame);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setGeometry(Rect(1620, row.top, 2055, index == 6 ? 345 : 315));
    if (row.tool_tip)
        field->setToolTip(QString::fromLatin1(row.tool_tip));
    field->setAccessibleName(QString::fromLatin1(row.caption));
    auto* status = new QLabel(Start_Status(index, row.bits), frame);
    status->setTextFormat(Qt::PlainText);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status->setGeometry(Rect(3720, row.status_top, 450, 195));
    status->adjustSize();
    Add_Toggles(row, frame);
}

void Add_Menus(QMainWindow& window) {
    QMenu* actions = window.menuBar()->addMenu(QStringLiteral("&Actions"));
    actions->addAction(QStringLiteral("&Show ASCII Table"));
    actions->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
}

} // namespace

std::unique_ptr<QMainWindow> Make_Bare_Window() {
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(QStringLiteral("Tessaly"));
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::SansSerif);
    window->setFont(font);

    auto* client = new QWidget(window.get());
    client->setFixedSize(Px(12060), Px(5790));
    window->setCentralWidget(client);
    static const std::array<const char*, 3> captions{"Unsigned Conversions", "Signed Conversions",
                                                     "HEX Conversions"};
    std::array<QGroupBox*, 3> frames{};
    for (std::size_t f = 0; f < frames.size(); ++f) {
        frames[f] = new QGroupBox(QString::fromLatin1(captions[f]), client);
        frames[f]->setGeometry(Rect(60, 1920 * static_cast<int>(f), 11895, 1875));
    }
    for (int i = 0; i < static_cast<int>(Rows.size()); ++i)
        Add_Row(i, frames[static_cast<std::size_t>(Rows[static_cast<std::size_t>(i)].frame)]);
    auto* clear_all = new QPushButton(QStringLiteral("Clear All"), client);
    clear_all->setGeometry(Rect(10320, 240, 1455, 315));
    Add_Menus(*window);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->adjustSize();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window->move(screen.center() - window->rect().center());
    return window;
}
