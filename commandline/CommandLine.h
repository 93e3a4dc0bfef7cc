#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tachoria {

// What tachoria-cli ends with.
enum ExitStatus : int {
    kSuccess = 0,
    kNoTable = 1,     // no table: the inputs give none, or it could not be written; one
                      // line on the error stream says why
    kUsageError = 2,  // an unknown option, a missing value, no subcommand
};

// Runs tachoria-cli with `args` (the program's name first): a table or the
// catalogue goes to `out`, messages to `err`. Nothing reaches `out` unless
// the whole table does.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tachoria
