#pragma once

#include <string_view>

namespace tachoria::web {

// Writes all of `text` to standard output through Node's own file calls:
// emscripten's NODERAWFS stdout loses a failed write (a full disk, a closed
// descriptor) and the part of a long write that a pipe did not take. Gives 0,
// or the errno of the write that failed (ENOSPC, EBADF, ...). A pipe whose
// reader has gone ends the program by SIGPIPE, as it does a native one.
int WriteToStandardOutput(std::string_view text);

}  // namespace tachoria::web
