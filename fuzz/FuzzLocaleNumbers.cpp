// The window's locale-aware box conversion, under a point and a comma locale.
#include <QLocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/LocaleNumbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tachoria::LocaleNumbers;
    static const LocaleNumbers point{QLocale(QLocale::English, QLocale::UnitedStates)};
    static const LocaleNumbers comma{QLocale(QLocale::German, QLocale::Germany)};
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    for (const LocaleNumbers* numbers : {&point, &comma}) {
        const auto value = numbers->ToNumber(text);
        if (!value) {
            continue;
        }
        if (std::isnan(*value)) {
            std::abort();
        }
        if (std::isinf(*value)) {
            continue;  // a number too large for a double: reported as such
        }
        // What the box would be given back reads as the same number, to the
        // fifteen digits it is written with.
        const auto again = numbers->ToNumber(numbers->ToText(*value));
        if (!again || std::fabs(*again - *value) > 1e-14 * std::fabs(*value) + 1e-300) {
            std::abort();
        }
    }
    return 0;
}
