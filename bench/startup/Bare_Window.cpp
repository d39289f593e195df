// SPDX-License-Identifier: MIT
#include "Bare_Window.h"

#include "Rows.h"
#include "Twips.h"

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

// What the rows show once every field holds 0.
QString Start_Status(const Rows::Row& row, int bits) {
    switch (row.command) {
    case Rows::Command::To_Bits:
        return QStringLiteral("0 = ") + QString(bits, QLatin1Char('0'));
    case Rows::Command::Find_MSB:
        return QStringLiteral("0 requires 1 bits, MSB is bit 0 = 1");
    case Rows::Command::Decimal_To_Hex:
        return QStringLiteral("[Decimal] 0 = [Hexadecimal] 0");
    case Rows::Command::Hex_To_Decimal:
        return QStringLiteral("[Hexadecimal] 0 = [Decimal] 0");
    }
    return {};
}

void Add_Toggles(const Rows::Grid& grid, int top, QWidget* frame) {
    for (int bit = 0; bit < grid.width; ++bit) {
        auto* toggle = new QCheckBox(frame);
        const int k = grid.width - 1 - bit;
        QRect area = Twips::Rect(3720 + 240 * k + 120 * (k / 8), top, 255, 195);
        area.setSize(area.size().expandedTo(
            {toggle->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, toggle) + 2,
             toggle->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, toggle) + 2}));
        toggle->setGeometry(area);
        const QString tip =
            grid.is_signed && bit == grid.width - 1
                ? QStringLiteral("Bit %1 = Sign").arg(bit)
                : QStringLiteral("Bit %1 = %2").arg(bit).arg(static_cast<qulonglong>(1) << bit);
        toggle->setToolTip(tip);
        toggle->setAccessibleName(tip);
    }
}

void Add_Row(int index, QWidget* frame) {
    const Rows::Row& row = Rows::Row_At(index);
    const int bits = index < Rows::Grid_Count ? Rows::Grid_At(index).width : 0;
    auto* button = new QPushButton(QString::fromLatin1(row.caption), frame);
    button->setGeometry(Twips::Rect(120, row.button_top, 1455, 315));
    auto* field = new QLineEdit(QStringLiteral("0"), frame);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setGeometry(Twips::Rect(1620, row.button_top, 2055, row.field_height));
    if (row.tool_tip)
        field->setToolTip(QString::fromLatin1(row.tool_tip));
    field->setAccessibleName(QString::fromLatin1(row.caption));
    auto* status = new QLabel(Start_Status(row, bits), frame);
    status->setTextFormat(Qt::PlainText);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status->setGeometry(Twips::Rect(3720, row.status_top, 450, 195));
    status->adjustSize();
    if (bits > 0)
        Add_Toggles(Rows::Grid_At(index), row.grid_top, frame);
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
    client->setFixedSize(Twips::Size(12060, 5790));
    window->setCentralWidget(client);
    static const std::array<const char*, 3> captions{"Unsigned Conversions", "Signed Conversions",
                                                     "HEX Conversions"};
    std::array<QGroupBox*, 3> frames{};
    for (std::size_t f = 0; f < frames.size(); ++f) {
        frames[f] = new QGroupBox(QString::fromLatin1(captions[f]), client);
        frames[f]->setGeometry(Twips::Rect(60, 1920 * static_cast<int>(f), 11895, 1875));
    }
    for (int i = 0; i < Rows::Count; ++i)
        Add_Row(i, frames[static_cast<std::size_t>(Rows::Row_At(i).frame)]);
    auto* clear_all = new QPushButton(QString::fromLatin1(Rows::Clear_All_Caption), client);
    clear_all->setGeometry(Twips::Rect(10320, 240, 1455, 315));
    Add_Menus(*window);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->adjustSize();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window->move(screen.center() - window->rect().center());
    return window;
}
