#pragma once

#include <QLocale>

#include "arith/NumberReading.h"

namespace tachoria {

// Box texts in the user's locale ("3,27" where the decimal separator is a
// comma). Qt carries its own locale data, so this works on machines with no
// system locales generated.
class LocaleNumbers final : public NumberConverter {
public:
    explicit LocaleNumbers(const QLocale& locale = QLocale());
    [[nodiscard]] std::optional<double> ToNumber(std::string_view text) const override;
    [[nodiscard]] std::string ToText(double value) const override;
    [[nodiscard]] char DecimalPoint() const override;

private:
    QLocale locale_;
};

}  // namespace tachoria
