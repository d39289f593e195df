// SPDX-License-Identifier: MIT
// Window drawing effects: whole-window translucency and painted gradient
// backgrounds with a one-pixel border.
//
// Every number is a 16-bit value worked on as a copy; the arithmetic fails
// with 6 on overflow. Each procedure traps its own failures: it shows its
// label, the failure's description, a blank and the number in a message box
// and returns normally. Nothing is logged.
#pragma once

#include "Drawing_Surface.h"

#include <QtGlobal>

class QWidget;

// Whole-window opacity, 0 (transparent) to 255 (opaque).
void SetTranslucent(QWidget& window, qint16 Opacity) noexcept;

// Clears the surface, paints the gradient Style into (X1, Y1)-(X2, Y2), then
// outlines the surface's outermost pixel ring in the base colour.
// Styles: 1 mode Shade; 2 to 5 modes 9 to 12; 6 four quarters in modes 5 to
// 8; 7 mode 13; any other style paints no gradient.
void PaintFX(qint16 Style, qint16 Shade, qint16 Red, qint16 Green, qint16 Blue, qint16 Steps,
             qint16 X1, qint16 Y1, qint16 X2, qint16 Y2, Drawing_Surface& Surface) noexcept;

// One gradient mode in (X1, Y1)-(X2, Y2), Steps colour steps from the base
// colour. Modes 1 to 8 slide boxes towards an edge or corner, one step
// lighter each; modes 9 to 13 close boxes in towards the centre.
void ShadeFX(qint16 Shade, qint16 Red, qint16 Green, qint16 Blue, qint16 Steps, qint16 X1,
             qint16 Y1, qint16 X2, qint16 Y2, Drawing_Surface& Surface) noexcept;
