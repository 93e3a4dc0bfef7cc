#include "ui/LocaleNumbers.h"

#include <QString>
#include <cmath>

namespace tachoria {
namespace {

constexpr int kSignificantDigits = 15;

}  // namespace

LocaleNumbers::LocaleNumbers(const QLocale& locale) : locale_(locale) {
    // No thousands separators, read or written: "3.27" typed under a comma
    // locale is an error, not 327.
    locale_.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
}

std::optional<double> LocaleNumbers::ToNumber(std::string_view text) const {
    const QString trimmed =
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
    bool ok = false;
    const double value = locale_.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string LocaleNumbers::ToText(double value) const {
    return locale_.toString(value, 'g', kSignificantDigits).toStdString();
}

}  // namespace tachoria
