// SPDX-License-Identifier: MIT
#include "Status_Line.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMenu>
#include <algorithm>
#include <cmath>

Status_Line::Status_Line(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setForegroundRole(QPalette::WindowText);
    // Opaque, so that a style that draws the frame's border through the
    // first row's status line leaves its text readable.
    setAutoFillBackground(true);
    Set_Selectable(false);
}

void Status_Line::Show_Text(const QString& text, const QString& spoken) {
    Set_Selectable(false);
    spoken_ = spoken;
    setText(text);
    adjustSize();
}

// Qt 6.4 has no announcement event. What reaches the screen readers is, on
// Linux, a notification's "showing" state (spoken by Orca whatever has the
// focus; name and description changes are sent without their text and are
// not spoken), and on Windows a value change with a text, which UI
// Automation raises as a notification.
void Status_Line::Announce() {
    if (!QAccessible::isActive() || !isVisible())
        return;
#ifdef Q_OS_WIN
    QAccessibleValueChangeEvent announcement(this, Spoken_Text());
#else
    QAccessibleEvent announcement(this, QAccessible::ObjectShow);
#endif
    QAccessible::updateAccessibility(&announcement);
}

QSize Status_Line::sizeHint() const {
    const QFontMetricsF metrics(font());
    const QMargins margins = contentsMargins();
    const int frame = 2 * margin();
    int width = static_cast<int>(std::ceil(metrics.horizontalAdvance(text())));
#ifdef Q_OS_WIN
    // GDI lays text out in whole-pixel advances, which can add up to more
    // than the font's fractional ones: the line is as wide as a label's own
    // layout of the text, so that its end is never cut off.
    width = std::max(
        width,
        QFontMetrics(font()).boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignLeft, text()).width());
#endif
    return {width + margins.left() + margins.right() + frame,
            static_cast<int>(std::ceil(metrics.height())) + margins.top() + margins.bottom() +
                frame};
}

void Status_Line::mousePressEvent(QMouseEvent* event) {
    Set_Selectable(true); // the press then starts the selection
    QLabel::mousePressEvent(event);
}

void Status_Line::contextMenuEvent(QContextMenuEvent* event) {
    const QString copied = hasSelectedText() ? selectedText() : text();
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("&Copy"), this,
                    [copied] { QGuiApplication::clipboard()->setText(copied); });
    menu->addAction(QStringLiteral("Select &All"), this, [this] {
        Set_Selectable(true);
        setSelection(0, static_cast<int>(text().size()));
    });
    menu->popup(event->globalPos());
}

void Status_Line::Set_Selectable(bool selectable) {
    setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus); // selected with the mouse, never tabbed into
    setCursor(Qt::IBeamCursor);  // text that can be selected, before the first press too
}
