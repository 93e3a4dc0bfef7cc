#include "web/NodeOutput.h"

#include <emscripten.h>

#include <cerrno>
#include <cstddef>

// Writes data[0, size) to descriptor 1. Node gives an error as a name ("ENOSPC"); its position in
// this list is what comes back, so that the C library's own errno values and texts are used. Node
// reopens a standard descriptor that was closed at start as /dev/null, read-write; that is how a
// closed standard output is told from `>/dev/null`, which a shell opens write-only.
EM_JS(int, tachoria_write_stdout, (const char* data, std::size_t size), {
    const fs = require("fs");
    const names = [ "ENOSPC", "EBADF", "EPIPE", "EFBIG", "EDQUOT", "EACCES", "EINVAL" ];
    const closedAtStart = function() {
        try {
            const out = fs.fstatSync(1);
            if (!out.isCharacterDevice() || out.rdev != fs.statSync("/dev/null").rdev) {
                return false;
            }
            const info = fs.readFileSync("/proc/self/fdinfo/1", "utf8");
            const at = info.indexOf("flags:");
            return at >= 0 && (parseInt(info.substring(at + 6).trim(), 8) & 3) == 2;
        } catch (error) {
            return false;
        }
    };
    if (size == 0) {
        return 0;
    }
    if (closedAtStart()) {
        return names.indexOf("EBADF") + 1;
    }
    const bytes = HEAPU8.subarray(data, data + size);
    const pause = new Int32Array(new SharedArrayBuffer(4));
    let done = 0;
    while (done < bytes.length) {
        try {
            done += fs.writeSync(1, bytes, done, bytes.length - done);
        } catch (error) {
            if (error.code == "EAGAIN") {
                // A non-blocking pipe that is full: wait for its reader.
                Atomics.wait(pause, 0, 0, 1);
                continue;
            }
            if (error.code == "EPIPE") {
                // Node ignores SIGPIPE; a listener added and removed gives the
                // signal its default action back, which ends the program.
                const ignore = function(){};
                process.on("SIGPIPE", ignore);
                process.removeListener("SIGPIPE", ignore);
                process.kill(process.pid, "SIGPIPE");
            }
            const known = names.indexOf(error.code);
            return known >= 0 ? known + 1 : names.length + 1;
        }
    }
    return 0;
});

namespace tachoria::web {
namespace {

// The errors the JavaScript above names by their index + 1 (0: written).
constexpr int kErrors[] = {ENOSPC, EBADF, EPIPE, EFBIG, EDQUOT, EACCES, EINVAL, EIO};

}  // namespace

int WriteToStandardOutput(std::string_view text) {
    const int result = tachoria_write_stdout(text.data(), text.size());
    return result == 0 ? 0 : kErrors[result - 1];
}

}  // namespace tachoria::web
