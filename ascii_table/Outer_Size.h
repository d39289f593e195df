// SPDX-License-Identifier: MIT
// Sizing a top-level window by its outer (frame) size.
#pragma once

#include <QSize>

class QWidget;

// Gives the window the client size that makes its frame the given size.
// Creates the native window, so that its frame is known where the platform
// can tell it before the window is shown.
void Set_Outer_Size(QWidget& window, QSize outer);
