// tachoria-cli: the gearing tables on the command line.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

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
    const std::string text = out.str();
    errno = 0;
    bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    int error = errno;
    if (std::fflush(stdout) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "tachoria-cli: cannot write the output: %s\n",
                     error != 0 ? std::strerror(error) : "write error");
        return tachoria::kNoTable;
    }
    return status;
}
