#include "app/StandardOutput.h"

#include <cerrno>
#include <cstdio>

namespace tachoria {

int WriteStandardOutput(std::string_view text) {
    errno = 0;
    bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    int error = errno;
    if (std::fflush(stdout) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written || std::ferror(stdout) != 0) {
        return error != 0 ? error : EIO;
    }
    return 0;
}

}  // namespace tachoria
