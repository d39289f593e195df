// SPDX-License-Identifier: MIT
// Positions and sizes are designed in twips; 15 twips are one logical pixel
// (Qt scales logical pixels for high-DPI screens).
#pragma once

#include <QRect>
#include <QSize>

namespace Twips {

inline constexpr int Per_Pixel = 15;

constexpr int To_Pixels(int twips) {
    return twips >= 0 ? (twips + Per_Pixel / 2) / Per_Pixel
                      : -((-twips + Per_Pixel / 2) / Per_Pixel);
}
constexpr QRect Rect(int left, int top, int width, int height) {
    return QRect(To_Pixels(left), To_Pixels(top), To_Pixels(width), To_Pixels(height));
}
constexpr QSize Size(int width, int height) {
    return QSize(To_Pixels(width), To_Pixels(height));
}

} // namespace Twips
