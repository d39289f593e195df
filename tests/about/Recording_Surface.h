// SPDX-License-Identifier: MIT
// A drawing surface that records what is drawn on it, in call order.
#pragma once

#include "Drawing_Surface.h"

#include <QColor>
#include <ostream>
#include <vector>

struct Drawn_Box {
    enum Kind { Cleared, Outline, Filled } kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QColor colour;

    bool operator==(const Drawn_Box& other) const {
        return kind == other.kind && x1 == other.x1 && y1 == other.y1 && x2 == other.x2 &&
               y2 == other.y2 && colour == other.colour;
    }
};

inline void PrintTo(const Drawn_Box& box, std::ostream* os) {
    static const char* const kinds[] = {"Cls", "outline", "filled"};
    *os << kinds[box.kind] << " (" << box.x1 << ", " << box.y1 << ")-(" << box.x2 << ", " << box.y2
        << ") RGB(" << box.colour.red() << ", " << box.colour.green() << ", " << box.colour.blue()
        << ")";
}

inline Drawn_Box Filled(double x1, double y1, double x2, double y2, QColor colour) {
    return {Drawn_Box::Filled, x1, y1, x2, y2, colour};
}

class Recording_Surface final : public Drawing_Surface {
public:
    Recording_Surface(double width, double height) : width_(width), height_(height) {}

    void Cls() override { drawn.push_back({Drawn_Box::Cleared, 0, 0, 0, 0, QColor()}); }
    void Line_Box(double X1, double Y1, double X2, double Y2, QColor colour) override {
        drawn.push_back({Drawn_Box::Outline, X1, Y1, X2, Y2, colour});
    }
    void Line_Filled_Box(double X1, double Y1, double X2, double Y2, QColor colour) override {
        drawn.push_back(Filled(X1, Y1, X2, Y2, colour));
    }
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }

    std::vector<Drawn_Box> Filled_Boxes() const {
        std::vector<Drawn_Box> boxes;
        for (const Drawn_Box& box : drawn)
            if (box.kind == Drawn_Box::Filled)
                boxes.push_back(box);
        return boxes;
    }

    std::vector<Drawn_Box> drawn;

private:
    double width_, height_;
};
