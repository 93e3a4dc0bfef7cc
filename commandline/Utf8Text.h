#pragma once

#include <string>
#include <string_view>

// Arguments are bytes; what the command line writes is UTF-8, so that a
// terminal shows it and every JSON reader takes it.
namespace tachoria {

// Whether `text` is well-formed UTF-8: no stray continuation bytes, no
// overlong forms, no surrogates, nothing past U+10FFFF.
bool IsUtf8(std::string_view text);

// `bytes` with each maximal part that is not UTF-8 replaced by U+FFFD, as
// Unicode recommends; well-formed text is returned unchanged.
std::string AsUtf8(std::string_view bytes);

}  // namespace tachoria
