// SPDX-License-Identifier: MIT
#include "Surface_Image.h"

#include "Twips.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

Surface_Image::Surface_Image(QWidget& owner, QColor background)
    : owner_(owner), background_(background) {
    Fit_To_Owner();
}

void Surface_Image::Cls() {
    Fit_To_Owner();
    image_.fill(background_);
    owner_.update();
}

void Surface_Image::Line_Box(double X1, double Y1, double X2, double Y2, QColor colour) {
    Fit_To_Owner();
    const QRect box = Pixel_Box(X1, Y1, X2, Y2);
    Fill(QRect(box.left(), box.top(), box.width(), 1), colour);
    Fill(QRect(box.left(), box.bottom(), box.width(), 1), colour);
    Fill(QRect(box.left(), box.top(), 1, box.height()), colour);
    Fill(QRect(box.right(), box.top(), 1, box.height()), colour);
    owner_.update();
}

void Surface_Image::Line_Filled_Box(double X1, double Y1, double X2, double Y2, QColor colour) {
    Fit_To_Owner();
    Fill(Pixel_Box(X1, Y1, X2, Y2), colour);
    owner_.update();
}

double Surface_Image::ScaleWidth() const {
    return static_cast<double>(owner_.width()) * Twips::Per_Pixel;
}
double Surface_Image::ScaleHeight() const {
    return static_cast<double>(owner_.height()) * Twips::Per_Pixel;
}

void Surface_Image::Paint(QPainter& painter) const {
    painter.fillRect(owner_.rect(), background_);
    painter.drawImage(0, 0, image_);
}

int Surface_Image::To_Pixel(double twips) {
    // Far beyond any screen either way; keeps the conversion to int defined.
    constexpr double limit = 1e7;
    const double pixels = std::floor(std::clamp(twips, -limit, limit) / Twips::Per_Pixel);
    return static_cast<int>(pixels);
}

QRect Surface_Image::Pixel_Box(double X1, double Y1, double X2, double Y2) const {
    const int x1 = To_Pixel(X1);
    const int x2 = To_Pixel(X2);
    const int y1 = To_Pixel(Y1);
    const int y2 = To_Pixel(Y2);
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2), std::max(y1, y2)));
}

void Surface_Image::Fill(const QRect& pixels, QColor colour) {
    const QRect visible = pixels.intersected(image_.rect());
    if (visible.isEmpty())
        return;
    QPainter painter(&image_);
    painter.fillRect(visible, colour);
}

void Surface_Image::Fit_To_Owner() {
    const QSize size = owner_.size().expandedTo(QSize(1, 1));
    if (image_.size() == size)
        return;
    QImage fitted(size, QImage::Format_RGB32);
    fitted.fill(background_);
    if (!image_.isNull()) {
        QPainter painter(&fitted);
        painter.drawImage(0, 0, image_);
    }
    image_ = std::move(fitted);
}
