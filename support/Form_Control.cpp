// SPDX-License-Identifier: MIT
#include "Form_Control.h"

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
        // The frame is known only once the window has been shown; before that
        // the outer size is the client size (the window manager adds the frame).
        const QSize outer = window.frameGeometry().size();
        const QPointF top_left(screen_area.x() + (screen_area.width() - outer.width()) * 0.5,
                               screen_area.y() + (screen_area.height() - outer.height()) * 0.5);
        // move() places the frame's corner; the toolkit rounds the halves.
        window.move(top_left.toPoint());
    } catch (...) {
        // Centring is cosmetic: a window that cannot be moved stays where it is.
    }
}
