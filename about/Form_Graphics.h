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

#include <QColor>
#include <QtGlobal>

class QWidget;

// 16-bit signed arithmetic with overflow detection: a result outside
// -32768..32767 fails with 6 instead of wrapping round.
namespace Int16_Arithmetic {

qint16 Add(qint16 a, qint16 b);
qint16 Subtract(qint16 a, qint16 b);
qint16 Multiply(qint16 a, qint16 b);

// dividend / divisor as a real quotient, rounded halves to even; a zero
// divisor fails with 11, a quotient outside 16 bits with 6.
qint16 Rounded_Quotient(qint16 dividend, qint16 divisor);

} // namespace Int16_Arithmetic

// A 24-bit colour from three 16-bit components. A component above 255 counts
// as 255; a negative one fails with 5.
QColor RGB_Colour(qint16 red, qint16 green, qint16 blue);

// Whole-window opacity, 0 (transparent) to 255 (opaque). Where the window
// system cannot blend a whole window (Wayland), the window's labels' text is
// given the opacity instead, and its own painting applies Self_Drawn_Opacity
// to a surface prepared by Prepare_Self_Drawn_Translucency.
void SetTranslucent(QWidget& window, qint16 Opacity) noexcept;

// Where the window system cannot blend a whole window, gives the window a
// surface with an alpha channel. Call before the window is first shown.
void Prepare_Self_Drawn_Translucency(QWidget& window);

// The opacity a window set translucent must paint itself with: 1 where the
// window system blends the whole window.
double Self_Drawn_Opacity(const QWidget& window);

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
