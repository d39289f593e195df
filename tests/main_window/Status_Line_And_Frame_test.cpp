// SPDX-License-Identifier: MIT
// The status line measures its text itself and the frame draws its border
// from a kept image: both must look exactly as the plain Qt widgets would.
#include "Frame_Box.h"
#include "Status_Line.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QPalette>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// A plain label of the same text and font is the independent measure.
QSize Plain_Label_Size(const QString& text, const QFont& font) {
    QLabel plain(text);
    plain.setTextFormat(Qt::PlainText);
    plain.setFont(font);
    return plain.sizeHint();
}

TEST(Status_Line, SizesItselfAsAPlainLabelOfTheSameTextWould) {
    const QStringList texts{
        "0",
        "0 = 00000000",
        "4294967295 = 11111111111111111111111111111111",
        "2147483647 requires 31 bits, MSB is bit 30 = 1073741824",
        "[Decimal] 4294967295 = [Hexadecimal] FFFFFFFF",
        "1E+15 is to large to process",
        QString::fromUtf8("\u202Eabc \u05E2\u05D1\u05E8\u05D9\u05EA 12 \U0001F600 \u00E9\u0301"),
        QString(2000, QLatin1Char('W')),
    };
    QFont large = QApplication::font();
    large.setPointSizeF(large.pointSizeF() * 2.5);
    for (const QFont& font : {QApplication::font(), large})
        for (const QString& text : texts) {
            QWidget frame; // a window would be kept within the screen
            Status_Line line(QStringLiteral("Status"), &frame);
            line.setFont(font);
            line.Show_Text(text);
            const QSize expected = Plain_Label_Size(text, font);
            EXPECT_EQ(line.size(), expected) << text.left(40).toStdString();
            EXPECT_EQ(line.text(), text);
        }
}

TEST(Status_Line, ShowsMarkupAsPlainText) {
    QWidget frame;
    Status_Line line(QStringLiteral("Status"), &frame);
    line.Show_Text(QStringLiteral("<b>5</b>"));
    EXPECT_EQ(line.textFormat(), Qt::PlainText);
    EXPECT_EQ(line.size(), Plain_Label_Size(QStringLiteral("<b>5</b>"), line.font()));
}

QImage Image_Of(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// The largest difference of any colour channel between two images of one size.
int Largest_Difference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return largest;
}

// The same frame drawn by Qt's group box and by Frame_Box, after each change
// that alters its look: the kept image must be drawn anew every time. Blending
// the border's translucent edges into the kept image rounds differently from
// blending them into the window, by one level of 255 at most; a stale image
// differs by far more.
TEST(Frame_Box, LooksLikeTheGroupBoxThroughEveryChange) {
    QWidget holder;
    QGroupBox reference(QStringLiteral("Unsigned Conversions"), &holder);
    Frame_Box frame(QStringLiteral("Unsigned Conversions"), &holder);
    const auto both = [&](const auto& change) {
        change(static_cast<QGroupBox&>(reference));
        change(static_cast<QGroupBox&>(frame));
    };
    const auto expect_same = [&](const char* after) {
        const QImage expected = Image_Of(reference);
        const QImage drawn = Image_Of(frame);
        ASSERT_EQ(drawn.size(), expected.size()) << after;
        EXPECT_LE(Largest_Difference(drawn, expected), 1) << after;
    };
    both([](QGroupBox& box) { box.resize(793, 125); });
    expect_same("first paint");
    expect_same("second paint, from the kept image");
    both([](QGroupBox& box) { box.resize(400, 90); });
    expect_same("resize");
    both([](QGroupBox& box) { box.setTitle(QStringLiteral("Signed Conversions")); });
    expect_same("new title");
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    both([&](QGroupBox& box) { box.setFont(font); });
    expect_same("new font");
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(20, 20, 20));
    dark.setColor(QPalette::WindowText, Qt::white);
    both([&](QGroupBox& box) { box.setPalette(dark); });
    expect_same("dark palette");
    both([](QGroupBox& box) { box.setEnabled(false); });
    expect_same("disabled");
    both([](QGroupBox& box) { box.setLayoutDirection(Qt::RightToLeft); });
    expect_same("right to left");
    both([](QGroupBox& box) { box.setAlignment(Qt::AlignHCenter); });
    expect_same("caption centred");
    both([](QGroupBox& box) { box.setFlat(true); });
    expect_same("flat");
}

} // namespace
