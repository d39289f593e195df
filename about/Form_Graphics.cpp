// SPDX-License-Identifier: MIT
#include "Form_Graphics.h"

#include "Error_Trap.h"
#include "Message_Box.h"
#include "Runtime_Services.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace Int16_Arithmetic {
namespace {

qint16 Checked(int result) {
    if (result < std::numeric_limits<qint16>::min() || result > std::numeric_limits<qint16>::max())
        throw Run_Time_Failure(Failure::Overflow);
    return static_cast<qint16>(result);
}

} // namespace

qint16 Add(qint16 a, qint16 b) {
    return Checked(int{a} + int{b});
}
qint16 Subtract(qint16 a, qint16 b) {
    return Checked(int{a} - int{b});
}
qint16 Multiply(qint16 a, qint16 b) {
    return Checked(int{a} * int{b});
}

qint16 Rounded_Quotient(qint16 dividend, qint16 divisor) {
    if (divisor == 0)
        throw Run_Time_Failure(Failure::Division_By_Zero);
    return Runtime_Services::To_Int16(static_cast<double>(dividend) / divisor);
}

} // namespace Int16_Arithmetic

QColor RGB_Colour(qint16 red, qint16 green, qint16 blue) {
    const auto component = [](qint16 value) {
        if (value < 0)
            throw Run_Time_Failure(Failure::Invalid_Procedure_Call);
        return std::min<int>(value, 255);
    };
    return QColor(component(red), component(green), component(blue));
}

using namespace Int16_Arithmetic;

namespace {

void Show_Failure(const char* label, std::exception_ptr failure) noexcept {
    try {
        const int number = Error_Trap::Failure_Number(failure);
        Message_Box::Show(QString::fromLatin1(label) +
                          QString::fromStdString(Runtime_Services::Error_Description(number)) +
                          QLatin1Char(' ') + QString::number(number));
    } catch (...) {
        // A box that cannot be shown leaves nothing else to tell.
    }
}

// The drawing effects' own trap: a message box instead of the error log.
template <typename Body> void Run_With_Message(const char* label, Body&& body) noexcept {
    try {
        body();
    } catch (...) {
        Show_Failure(label, std::current_exception());
    }
}

struct Box {
    qint16 left, top, right, bottom;
};

// Which edges of the box move inwards by i steps, for modes 1 to 8.
struct Sliding_Edges {
    bool left, top, right, bottom;
};

constexpr Sliding_Edges Sliding_Modes[8] = {
    {false, false, false, true}, // 1: towards the top edge
    {false, true, false, false}, // 2: towards the bottom edge
    {false, false, true, false}, // 3: towards the left edge
    {true, false, false, false}, // 4: towards the right edge
    {false, false, true, true},  // 5: towards the top-left corner
    {true, false, false, true},  // 6: towards the top-right corner
    {false, true, true, false},  // 7: towards the bottom-left corner
    {true, true, false, false},  // 8: towards the bottom-right corner
};

// Only the moving edges are computed, so a step that is never used cannot
// overflow.
Box Inset_Box(const Box& outer, const Sliding_Edges& edges, qint16 i, qint16 StepX, qint16 StepY) {
    Box box = outer;
    if (edges.left)
        box.left = Add(outer.left, Multiply(i, StepX));
    if (edges.top)
        box.top = Add(outer.top, Multiply(i, StepY));
    if (edges.right)
        box.right = Subtract(outer.right, Multiply(i, StepX));
    if (edges.bottom)
        box.bottom = Subtract(outer.bottom, Multiply(i, StepY));
    return box;
}

void Fill_Box(Drawing_Surface& Surface, const Box& box, QColor colour) {
    Surface.Line_Filled_Box(box.left, box.top, box.right, box.bottom, colour);
}

void Paint_Sliding(qint16 Shade, qint16 Red, qint16 Green, qint16 Blue, qint16 Steps,
                   const Box& outer, qint16 StepX, qint16 StepY, Drawing_Surface& Surface) {
    const Sliding_Edges& edges = Sliding_Modes[Shade - 1];
    // An int counter: a 16-bit one could not pass 32767 to end the loop.
    for (int i = 0; i <= Steps; ++i) {
        const Box box = Inset_Box(outer, edges, static_cast<qint16>(i), StepX, StepY);
        Fill_Box(Surface, box, RGB_Colour(Red, Green, Blue));
        Red = Add(Red, 1);
        Green = Add(Green, 1);
        Blue = Add(Blue, 1);
    }
}

void Paint_Symmetric(qint16 Shade, qint16 Red, qint16 Green, qint16 Blue, qint16 Steps,
                     const Box& outer, qint16 StepX, qint16 StepY, Drawing_Surface& Surface) {
    const bool vertical = Shade == 9 || Shade == 10 || Shade == 13;
    const bool horizontal = Shade == 11 || Shade == 12 || Shade == 13;
    // Modes 9 and 11 start light and darken inwards; 10, 12 and 13 the reverse.
    const bool darkening = Shade == 9 || Shade == 11;
    const Sliding_Edges edges{horizontal, vertical, horizontal, vertical};
    const qint16 Half = Rounded_Quotient(Steps, 2);
    for (int i = 0; i <= Half; ++i) {
        const qint16 step = static_cast<qint16>(i);
        const Box box = Inset_Box(outer, edges, step, StepX, StepY);
        const qint16 amount =
            darkening ? Subtract(Steps, Multiply(2, step)) : Multiply(2, Add(step, 1));
        Fill_Box(Surface, box, RGB_Colour(Add(Red, amount), Add(Green, amount), Add(Blue, amount)));
    }
}

const char* const Self_Drawn_Opacity_Property = "tessaly_self_drawn_opacity";

// Wayland clients cannot set a window's opacity; the compositor blends only
// what the client draws with alpha.
bool Window_System_Blends_Windows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void Draw_Itself_Translucent(QWidget& window, double opacity) {
    window.setProperty(Self_Drawn_Opacity_Property, opacity);
    for (QLabel* label : window.findChildren<QLabel*>()) {
        QPalette palette = label->palette();
        QColor text = palette.color(QPalette::WindowText);
        text.setAlphaF(float(opacity));
        palette.setColor(QPalette::WindowText, text);
        label->setPalette(palette);
    }
    window.update();
}

} // namespace

void SetTranslucent(QWidget& window, qint16 Opacity) noexcept {
    Run_With_Message("SetTranslucent: ", [&] {
        // The opacity must fit an unsigned byte.
        if (Opacity < 0 || Opacity > 255)
            throw Run_Time_Failure(Failure::Overflow);
        if (Window_System_Blends_Windows())
            window.setWindowOpacity(Opacity / 255.0);
        else
            Draw_Itself_Translucent(window, Opacity / 255.0);
    });
}

void Prepare_Self_Drawn_Translucency(QWidget& window) {
    if (!Window_System_Blends_Windows())
        window.setAttribute(Qt::WA_TranslucentBackground);
}

double Self_Drawn_Opacity(const QWidget& window) {
    const QVariant opacity = window.property(Self_Drawn_Opacity_Property);
    return opacity.isValid() ? opacity.toDouble() : 1.0;
}

void ShadeFX(qint16 Shade, qint16 Red, qint16 Green, qint16 Blue, qint16 Steps, qint16 X1,
             qint16 Y1, qint16 X2, qint16 Y2, Drawing_Surface& Surface) noexcept {
    Run_With_Message("ShadeFX: ", [&] {
        const qint16 StepX = Rounded_Quotient(Subtract(X2, X1), Steps);
        const qint16 StepY = Rounded_Quotient(Subtract(Y2, Y1), Steps);
        const Box outer{X1, Y1, X2, Y2};
        if (Shade >= 1 && Shade <= 8)
            Paint_Sliding(Shade, Red, Green, Blue, Steps, outer, StepX, StepY, Surface);
        else if (Shade >= 9 && Shade <= 13)
            Paint_Symmetric(Shade, Red, Green, Blue, Steps, outer, StepX, StepY, Surface);
    });
}

void PaintFX(qint16 Style, qint16 Shade, qint16 Red, qint16 Green, qint16 Blue, qint16 Steps,
             qint16 X1, qint16 Y1, qint16 X2, qint16 Y2, Drawing_Surface& Surface) noexcept {
    Run_With_Message("PaintFX: ", [&] {
        Surface.Cls();
        const qint16 HalfW = Rounded_Quotient(Subtract(X2, X1), 2);
        const qint16 HalfH = Rounded_Quotient(Subtract(Y2, Y1), 2);
        const auto shade = [&](qint16 mode, qint16 x1, qint16 y1, qint16 x2, qint16 y2) {
            ShadeFX(mode, Red, Green, Blue, Steps, x1, y1, x2, y2, Surface);
        };
        switch (Style) {
        case 1:
            shade(Shade, X1, Y1, X2, Y2);
            break;
        case 2:
        case 3:
        case 4:
        case 5:
            shade(static_cast<qint16>(Style + 7), X1, Y1, X2, Y2);
            break;
        case 6: {
            const qint16 MidX = Add(X1, HalfW);
            const qint16 MidY = Add(Y1, HalfH);
            shade(5, X1, Y1, MidX, MidY);
            shade(6, MidX, Y1, X2, MidY);
            shade(7, X1, MidY, MidX, Y2);
            shade(8, MidX, MidY, X2, Y2);
            break;
        }
        case 7:
            shade(13, X1, Y1, X2, Y2);
            break;
        default:
            break;
        }
        // One pixel in from the far edges: the border is the outermost pixel ring.
        Surface.Line_Box(0, 0, Surface.ScaleWidth() - Twips::Per_Pixel,
                         Surface.ScaleHeight() - Twips::Per_Pixel, RGB_Colour(Red, Green, Blue));
    });
}
