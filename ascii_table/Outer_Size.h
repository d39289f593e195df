// SPDX-License-Identifier: MIT
// Sizing a top-level window by its outer (frame) size.
#pragma once

#include <QSize>

class QWidget;

// Gives the window the client size that makes its frame the given size. The
// frame is known only once the window manager has framed the window; before
// that the outer size is the client size.
void Set_Outer_Size(QWidget& window, QSize outer);
