// tachoria-cli: the gearing tables on the command line.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/StandardOutput.h"
#include "commandline/CommandLine.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char* argv[]) {
#ifdef _WIN32
    // The tables choose their own line ends (CSV's are CR LF); a text-mode
    // stream would add a CR to each.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> args(argv, argv + argc);
    // The output is gathered first, so that a write that fails (a full disk,
    // a closed standard output) is seen and reported rather than lost in a
    // stream's state. A closed pipe ends the program by SIGPIPE, as it
    // does any filter.
    std::ostringstream out;
    const int status = tachoria::RunCommandLine(args, out, std::cerr);
    const int error = tachoria::WriteStandardOutput(out.str());
    if (error != 0) {
        std::fprintf(stderr, "tachoria-cli: cannot write the output: %s\n", std::strerror(error));
        return tachoria::kNoTable;
    }
    return status;
}
