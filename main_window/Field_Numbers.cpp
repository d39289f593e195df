// SPDX-License-Identifier: MIT
#include "Field_Numbers.h"

#include "Runtime_Services.h"

#include <QLocale>

namespace Field_Numbers {
namespace {

Runtime_Services::Number_Format Locale_Format() {
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace

bool Is_Numeric(const QString& text) {
    return Runtime_Services::Is_Numeric(text.toStdString(), Locale_Format());
}

double Value_Of(const QString& text) {
    return Runtime_Services::To_Double(text.toStdString(), Locale_Format());
}

QString Canonical_Text(double value) {
    return QString::fromStdString(Runtime_Services::Canonical_Number_Text(value, Locale_Format()));
}

} // namespace Field_Numbers
