// SPDX-License-Identifier: MIT
#include "Form_Control.h"

#include "Window_Frame.h"

#include <QGuiApplication>
#include <QPointF>
#include <QScreen>
#include <QWidget>

void CenterForm(QWidget& window) noexcept {
    try {
        // A minimized, maximized or full-screen window cannot be moved.
        if (!window.isWindow() || window.isMinimized() || window.isMaximized() ||
            window.isFullScreen())
            return;
        QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QRect screen_area = screen->geometry();
        // Before the first show the frame is the one the window manager will
        // add. The client area is placed, so that the frame's corner lands
        // where it should whether or not the toolkit knows the frame yet.
        const QMargins frame = Expected_Frame_Margins(window);
        const QSize outer = window.size().grownBy(frame);
        const QPointF top_left(screen_area.x() + (screen_area.width() - outer.width()) * 0.5,
                               screen_area.y() + (screen_area.height() - outer.height()) * 0.5);
        // Halves round to whole pixels.
        window.setGeometry(
            QRect(top_left.toPoint() + QPoint(frame.left(), frame.top()), window.size()));
    } catch (...) {
        // Centring is cosmetic: a window that cannot be moved stays where it is.
    }
}
