// SPDX-License-Identifier: MIT
#include "Frame_Box.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

Frame_Box::Frame_Box(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

Frame_Box::Look Frame_Box::Look_Of(const QStyleOptionGroupBox& option) const {
    return {size(),
            devicePixelRatioF(),
            palette().cacheKey(),
            font().key(),
            option.text,
            static_cast<int>(option.state),
            static_cast<int>(option.textAlignment),
            static_cast<int>(option.features),
            option.direction,
            style()};
}

void Frame_Box::paintEvent(QPaintEvent*) {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const Look look = Look_Of(option);
    if (drawn_.isNull() || !(look == drawn_look_)) {
        drawn_ = QPixmap(size() * look.pixel_ratio);
        drawn_.setDevicePixelRatio(look.pixel_ratio);
        // Drawn over the window's background, as the frame stands on it, so
        // that the border's translucent edges blend exactly as they would on
        // the window itself. The painter starts as a painter on the frame
        // would: with its font, and smoothing the border image that the style
        // stretches (which shows on high-DPI screens).
        QPainter painter(&drawn_);
        painter.fillRect(rect(), palette().window());
        painter.setFont(font());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
        drawn_look_ = look;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, drawn_);
}
