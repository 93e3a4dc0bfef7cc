// tachoria-cli: the gearing tables on the command line.
#include <iostream>
#include <string>
#include <vector>

#include "commandline/CommandLine.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv, argv + argc);
    return tachoria::RunCommandLine(args, std::cout, std::cerr);
}
