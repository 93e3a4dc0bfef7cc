#pragma once

#include <string_view>

namespace tachoria {

// Writes all of `text` to standard output. Gives 0, or the errno of the write
// that failed. A pipe whose reader has gone ends the program by SIGPIPE, as it
// does any filter. Natively through stdio; under Node through web/'s writer.
int WriteStandardOutput(std::string_view text);

}  // namespace tachoria
