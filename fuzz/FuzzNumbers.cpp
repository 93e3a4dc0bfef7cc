// Typed text becoming a number: the stock page's reading and the plain box
// conversion. Tire sizes have their own target (FuzzTireReader).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "arith/NumberReading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tachoria;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const LeadingNumber scanned = ScanLeadingNumber(text);
    if (scanned.length > text.size() || std::isnan(scanned.value) ||
        (scanned.length == 0 && scanned.value != 0.0)) {
        std::abort();
    }
    const double leading = LeadingNumberValue(text);
    if (std::isnan(leading)) {
        std::abort();
    }

    // A text the box conversion takes whole is the number the stock page
    // reads from it.
    if (const auto number = PlainNumberConverter().ToNumber(text)) {
        if (std::isnan(*number) || *number != leading) {
            std::abort();
        }
    }

    return 0;
}
