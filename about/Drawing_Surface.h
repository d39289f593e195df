// SPDX-License-Identifier: MIT
// What the drawing effects paint on: a window's persistent surface, addressed
// in its own units (twips for the program's windows). Lines are one pixel wide.
#pragma once

#include <QColor>

class Drawing_Surface {
public:
    virtual ~Drawing_Surface() = default;

    // Erases everything drawn and fills the surface with its background colour.
    virtual void Cls() = 0;

    // The outline of the box between two corners given in any order.
    virtual void Line_Box(double X1, double Y1, double X2, double Y2, QColor colour) = 0;

    // The same box filled, edges included, in one colour.
    virtual void Line_Filled_Box(double X1, double Y1, double X2, double Y2, QColor colour) = 0;

    // The client area's size in surface units.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

protected:
    Drawing_Surface() = default;
    Drawing_Surface(const Drawing_Surface&) = default;
    Drawing_Surface& operator=(const Drawing_Surface&) = default;
};
