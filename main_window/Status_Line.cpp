// SPDX-License-Identifier: MIT
#include "Status_Line.h"

#include "Status_Accessible.h"

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

void Status_Line::Show_Text(const QString& text) {
    Set_Selectable(false);
    setText(text);
    ++texts_shown_;
    adjustSize();
}

void Status_Line::Announce_Since(int texts_shown) {
    if (texts_shown_ != texts_shown)
        ::Announce(this); // the accessibility library's, for this line
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
