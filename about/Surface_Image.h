// SPDX-License-Identifier: MIT
// A persistent drawing surface for one widget: everything drawn goes into an
// image that the widget's paint event shows, so a picture painted once
// survives every later repaint. Coordinates are twips, 15 to a pixel.
#pragma once

#include "Drawing_Surface.h"

#include <QImage>

class QPainter;
class QWidget;

class Surface_Image final : public Drawing_Surface {
public:
    Surface_Image(QWidget& owner, QColor background);

    void Cls() override;
    void Line_Box(double X1, double Y1, double X2, double Y2, QColor colour) override;
    void Line_Filled_Box(double X1, double Y1, double X2, double Y2, QColor colour) override;
    double ScaleWidth() const override;
    double ScaleHeight() const override;

    // For the owner's paint event: the kept picture, the background where
    // nothing has been drawn yet.
    void Paint(QPainter& painter) const;

    // The kept picture, one pixel per logical pixel of the owner.
    const QImage& Image() const { return image_; }

private:
    // A pixel covers the twips from 15·p up to but not including 15·(p + 1).
    static int To_Pixel(double twips);
    QRect Pixel_Box(double X1, double Y1, double X2, double Y2) const;
    void Fill(const QRect& pixels, QColor colour);
    // Grows or shrinks the picture to the owner's client size, keeping what
    // was drawn where it still fits.
    void Fit_To_Owner();

    QWidget& owner_;
    QColor background_;
    QImage image_;
};
