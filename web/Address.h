#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "arith/NumberReading.h"

// The part of a page address after "#": the view shown and its inputs,
// "compare?a-tire=24&a-axle=3.27&…". The views and option names are
// tachoria-cli's subcommands and options without "--", so that an address
// reads as the command that gives the same tables; values are encoded as
// the browser's encodeURIComponent does, and numbers are written with "."
// whatever the user's decimal point, so that one link works in every
// language.
namespace tachoria {

// What an address may hold, beyond which it is not read: a link pasted
// from anywhere is bounded before anything looks at it.
inline constexpr std::size_t kAddressLimit = 100000;

// The views an address names: "stock", "generic", "compare", "solve-axle",
// "solve-tire", "solve-identify", "solve-speedometer".
std::span<const std::string_view> AddressViews();
// A view's options, in the order an address writes them ("format" among
// them: known, and ignored); none for a name that is no view.
std::optional<std::span<const std::string_view>> ViewOptions(std::string_view view);

struct AddressOption {
    std::string name;
    std::string value;
    friend bool operator==(const AddressOption&, const AddressOption&) = default;
};

// An address as read. Every text is valid UTF-8 (U+FFFD for what is not).
struct Address {
    std::string view;                         // a view of AddressViews, or "" for none
    std::vector<AddressOption> options;       // the view's options given, in order, but "format"
    std::vector<std::string> unknownOptions;  // names given that the view has not
    std::optional<std::string> unknownView;   // a view named that is none

    // The last value given for `name`, if any.
    [[nodiscard]] const std::string* Find(std::string_view name) const;
    // One line for the page's alert naming what was ignored, or "" when
    // nothing was: "This address names no view \"x\"; ignored: \"a\", \"b\"."
    [[nodiscard]] std::string IgnoredLine() const;
};

// Reads an address, with or without its "#". Never fails: what cannot be
// used is set aside in `unknownOptions` and `unknownView`.
Address ReadAddress(std::string_view text);
// "view?name=value&…", each name and value encoded; just "view" without
// options.
std::string WriteAddress(std::string_view view, std::span<const AddressOption> options);

// encodeURIComponent: every byte but letters, digits and -_.!~*'() as %XX.
std::string EncodeComponent(std::string_view text);
// Undoes any percent-encoding; a "%" not followed by two hex digits stays
// as it is, and bytes that make no UTF-8 become U+FFFD. "+" stays "+".
std::string DecodeComponent(std::string_view text);
// `text` with every byte sequence that is no UTF-8 replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);

// A field's text for an address: a number the user's converter reads is
// written with "." ("3,27" is "3.27", "3,27:1" is "3.27:1"; "+5" stays
// "+5"); any other text as typed.
std::string AddressNumber(std::string_view text, const NumberConverter& user);
// An address's text for a field: a number written with "." in the user's
// form ("3.27" is "3,27" where the point is ","); any other text as given.
std::string UserNumber(std::string_view text, const NumberConverter& user);
// Gear ratios, one text each, as one address value joined by "," (their
// points being "."), and back.
std::string AddressGears(std::span<const std::string> gears, const NumberConverter& user);
std::vector<std::string> UserGears(std::string_view value, const NumberConverter& user);

}  // namespace tachoria
