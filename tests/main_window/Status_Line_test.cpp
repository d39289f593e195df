// SPDX-License-Identifier: MIT
// The status line measures its text itself: it must take the size a plain
// label of the same text would.
#include "Status_Line.h"

#include <QApplication>
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

} // namespace
