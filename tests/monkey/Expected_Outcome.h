// SPDX-License-Identifier: MIT
// What a row must show after its conversion command has run on the text now
// in its field, worked out with plain integer and floating-point arithmetic,
// without the program's own parser or conversion routines.
#pragma once

#include <QString>
#include <optional>

struct Expected_Outcome {
    // The status line's text; nothing when the command fails before writing
    // it, so that the line keeps its earlier text.
    std::optional<QString> status;
    // The toggles, most significant first (rows 0 to 5); nothing when they
    // keep their earlier states.
    std::optional<QString> toggles;
    // The failure number the error log gets; 0 for none.
    int failure = 0;
    // Set when the field itself is not what a conversion leaves behind.
    QString field_problem;
    // Row 8 beyond 13 significant hexadecimal digits: the decimal value is
    // only as exact as a double, so the status is compared numerically.
    std::optional<long double> approximate_decimal;
};

// `field` is the row's text after the command ran; `decimal_point` the
// locale's decimal separator that the field's numbers are written with.
Expected_Outcome Expected_After_Conversion(int row, const QString& field,
                                           const QString& decimal_point);

// The field's text after the command when the text it ran on is simple
// enough to know without the program's parser: plain decimals ("-0012.50"
// becomes "-12.5"), the empty text ("0") and, in the hexadecimal row, texts
// with letters that no decimal number has ("FF" stays). Nothing otherwise.
std::optional<QString> Expected_Field(int row, const QString& input, const QString& decimal_point);
