#include "standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace win32_standin {

void KeepStandardStreamsOpen() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        // open() takes the lowest free descriptor: this one, as every lower
        // one is open by now.
        int opened = open("/dev/null", O_RDWR);
        if (opened != -1 && opened != fd) {
            dup2(opened, fd);
            close(opened);
        }
    }
}

void FailWritesToClosedPipes() {
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace win32_standin

// Runs before main in every program that links the stand-in (the build asks
// the linker for this symbol), before anything of the stand-in opens a file.
extern "C" {
extern const bool win32_standin_standard_streams_kept;
const bool win32_standin_standard_streams_kept =
    (win32_standin::KeepStandardStreamsOpen(), win32_standin::FailWritesToClosedPipes(), true);
}
