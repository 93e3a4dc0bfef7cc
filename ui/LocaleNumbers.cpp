#include "ui/LocaleNumbers.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <string>

#include "arith/Blanks.h"
#include "arith/Num2String.h"
#include "arith/NumberReading.h"

namespace tachoria {

LocaleNumbers::LocaleNumbers(const QLocale& locale) : locale_(locale) {
    // No thousands separators, read or written: "3.27" typed under a comma
    // locale is an error, not 327.
    locale_.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
}

std::optional<double> LocaleNumbers::ToNumber(std::string_view text) const {
    const std::string_view blankless = TrimBlanks(text);
    const QString trimmed =
        QString::fromUtf8(blankless.data(), static_cast<qsizetype>(blankless.size()));
    bool ok = false;
    const double value = locale_.toDouble(trimmed, &ok);
    if (ok && std::isfinite(value)) {
        return value;
    }
    // Qt reads "inf" and "nan" as numbers, and marks a number too large for
    // a double as a failure, with ±infinity.
    if (!ok && std::isinf(value)) {
        return value;
    }
    // and a number too close to 0 as a failure too; it is 0, as the plain
    // reader reads it, so that a field calls it too small, not no number.
    std::string plain(blankless);
    const char point = DecimalPoint();
    if (std::any_of(plain.begin(), plain.end(),
                    [point](char c) { return c == '.' && point != '.'; })) {
        return std::nullopt;
    }
    std::replace(plain.begin(), plain.end(), point, '.');
    const LeadingNumber number = ScanLeadingNumber(plain);
    if (!ok && number.underflow && number.length == plain.size()) {
        return number.value;
    }
    return std::nullopt;
}

std::string LocaleNumbers::ToText(double value) const {
    return locale_.toString(value, 'g', kSignificantDigits).toStdString();
}

char LocaleNumbers::DecimalPoint() const {
    // Sizes are written in ASCII: a locale whose point is neither "," nor
    // "." (Arabic's) reads them with ".".
    const QString point = locale_.decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

}  // namespace tachoria
