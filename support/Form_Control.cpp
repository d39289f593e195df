// SPDX-License-Identifier: MIT
#include "Form_Control.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

void CenterForm(QWidget& window) noexcept {
    try {
        if (window.isMinimized() || window.isMaximized())
            return;
        QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QRect available = screen->geometry();
        // The frame is known only once the window has been shown; before that
        // the outer size is the client size (the window manager adds the frame).
        const QSize outer = window.frameGeometry().size();
        const double left = available.x() + (available.width() - outer.width()) * 0.5;
        const double top = available.y() + (available.height() - outer.height()) * 0.5;
        window.move(static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top)));
    } catch (...) {
        // Centring is cosmetic: a window that cannot be moved stays where it is.
    }
}
