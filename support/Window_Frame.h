// SPDX-License-Identifier: MIT
// The frame the window system puts around a top-level window.
#pragma once

#include <QMargins>

class QWidget;

// The frame's width on each side of the window's client area. Once the native
// window is mapped this is what the window system reports. Before that, in
// the show event too, an X11 window manager that offers it is asked which
// frame it will add, so that a window can be sized and centred by its outer
// rectangle without a jump after it appears. Without a window manager, or
// where the frame cannot be known yet, the frame counts as nothing.
QMargins Expected_Frame_Margins(QWidget& window);
