// SPDX-License-Identifier: MIT
#include "Outer_Size.h"

#include <QWidget>
#include <QWindow>

void Set_Outer_Size(QWidget& window, QSize outer) {
    // The native window knows its frame once it exists, on the platforms
    // that draw the frame themselves; where the window manager adds it later
    // the frame counts as nothing.
    window.winId();
    QMargins frame;
    if (const QWindow* native = window.windowHandle())
        frame = native->frameMargins();
    window.resize(outer.shrunkBy(frame));
}
