// SPDX-License-Identifier: MIT
// Window centring.
#pragma once

class QWidget;

// Places a top-level window so that its outer (frame) rectangle is centred on
// its screen; a window larger than the screen gets a negative position.
// Minimized, maximized and full-screen windows, and widgets that are not
// windows, stay where they are. Never throws.
void CenterForm(QWidget& window) noexcept;
