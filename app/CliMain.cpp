// tachoria-cli: the gearing tables on the command line.
#include <cstdio>
#include <iostream>
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
    return tachoria::RunCommandLine(args, std::cout, std::cerr);
}
