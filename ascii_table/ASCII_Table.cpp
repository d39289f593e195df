// SPDX-License-Identifier: MIT
#include "ASCII_Table.h"

#include "App_Identity.h"
#include "Error_Trap.h"
#include "Form_Control.h"
#include "Show_ASCII.h"
#include "Twips.h"
#include "Window_Frame.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPointer>

namespace {

const char* const Source = "ASCII_Table";

constexpr int Outer_Width = 12000;
constexpr int Outer_Height = 7500;
constexpr int Bottom_Strip = 60;
constexpr double Table_Point_Size = 9.75;

// Gives the window the client size that makes its frame the given size.
void Set_Outer_Size(QWidget& window, QSize outer) {
    window.resize(outer.shrunkBy(Expected_Frame_Margins(window)));
}

QPlainTextEdit* Make_Text_Box(QWidget* window) {
    auto* box = new QPlainTextEdit(window);
    box->setObjectName(QStringLiteral("ASCII"));
    box->setAccessibleName(QStringLiteral("ASCII table"));
    box->setGeometry(Twips::Rect(0, 0, 4335, 2355));
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setFont(ASCII_Table::Table_Font());
    // A table of numbers and English labels reads left to right in every
    // locale: mirrored, it would open right-aligned with its first columns
    // scrolled out of view.
    box->setLayoutDirection(Qt::LeftToRight);
    return box;
}

} // namespace

ASCII_Table::ASCII_Table(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      ASCII(Make_Text_Box(this)) {
    setObjectName(QStringLiteral("ASCII_Table"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ASCII Table"));
    setWindowIcon(App_Icons::Tick_Icon());
    resize(Twips::Size(4455, 2490));
    Form_Load();
}

QFont ASCII_Table::Table_Font() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(Table_Point_Size);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    if (QFontInfo(font).fixedPitch())
        return font;
    QFont fallback = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fallback.setPointSizeF(Table_Point_Size);
    return fallback;
}

ASCII_Table* ASCII_Table::Show_Table() {
    static QPointer<ASCII_Table> open_table;
    if (!open_table)
        open_table = new ASCII_Table;
    ASCII_Table* table = open_table;
    table->setWindowState(table->windowState() & ~Qt::WindowMinimized);
    table->show();
    table->raise();
    table->activateWindow();
    return table;
}

void ASCII_Table::Form_Load() {
    Error_Trap::Run(Source, "Form_Load", [this] {
        setWindowTitle(QStringLiteral("Data Equivalents"));
        Set_Outer_Size(*this, Twips::Size(Outer_Width, Outer_Height));
        CenterForm(*this);
        Show_ASCII(*ASCII);
    });
}

void ASCII_Table::Form_Resize() {
    Error_Trap::Run(Source, "Form_Resize", [this] {
        if (isMinimized())
            return;
        Fit_Text_Box();
        Process_Pending_Events_Once();
    });
}

// The box fills the client area less a strip along the bottom. A client area
// too small for that fails before anything changes.
void ASCII_Table::Fit_Text_Box() {
    const QRect box = ASCII->geometry();
    const int height_twips =
        height() * Twips::Per_Pixel - (box.top() * Twips::Per_Pixel + Bottom_Strip);
    const int width_twips = width() * Twips::Per_Pixel - 2 * box.left() * Twips::Per_Pixel;
    if (height_twips < 0 || width_twips < 0)
        throw Run_Time_Failure(Failure::Invalid_Procedure_Call);
    ASCII->resize(Twips::To_Pixels(width_twips), Twips::To_Pixels(height_twips));
}

// Events processed here may resize the window again (that pass fits the box
// but processes nothing itself) or ask to close it: the close waits until
// this handler has returned, since deleting the window under its own resize
// handler would leave that handler running on a destroyed window.
void ASCII_Table::Process_Pending_Events_Once() {
    if (processing_events_)
        return;
    processing_events_ = true;
    QCoreApplication::processEvents();
    processing_events_ = false;
    if (close_requested_while_processing_) {
        close_requested_while_processing_ = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void ASCII_Table::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void ASCII_Table::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Restoring from the task bar changes the state but not always the size.
    if (event->type() == QEvent::WindowStateChange && isVisible())
        Form_Resize();
}

void ASCII_Table::closeEvent(QCloseEvent* event) {
    if (processing_events_) {
        close_requested_while_processing_ = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
