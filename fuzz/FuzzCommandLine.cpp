// tachoria-cli over arbitrary arguments: the input split into argv at NUL
// bytes, any bytes in them. Whatever they hold, the program ends with 0, 1
// or 2, writes to standard output only with 0, writes UTF-8 on both
// streams, and every JSON it writes parses.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "ReadJson.h"
#include "commandline/CommandLine.h"
#include "commandline/Utf8Text.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::vector<std::string> Arguments(std::string_view input) {
    std::vector<std::string> args = {"tachoria-cli"};
    while (!input.empty()) {
        const std::size_t end = input.find('\0');
        args.emplace_back(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    return args;
}

// Whether a run that succeeds must have written JSON: "--format json"
// given, and the output not the help or the version, which CLI11 also
// gives for "-h" inside a cluster of short flags ("-hx").
bool AsksForJson(const std::vector<std::string>& args, const std::string& out) {
    if (out.find("Usage: tachoria-cli") != std::string::npos || out.starts_with("tachoria-cli ")) {
        return false;
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--format=json" ||
            (args[i] == "--format" && i + 1 < args.size() && args[i + 1] == "json")) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> args =
        Arguments(std::string_view(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    const int status = tachoria::RunCommandLine(args, out, err);
    Check(status == 0 || status == 1 || status == 2);
    Check(status == 0 || out.str().empty());
    Check(tachoria::IsUtf8(out.str()));
    Check(tachoria::IsUtf8(err.str()));
    if (status == 0 && (out.str().starts_with('{') || AsksForJson(args, out.str()))) {
        Check(!tachoria::testing::ReadJson(out.str()).is_discarded());
    }
    return 0;
}
