#include "startup/standardstreams.h"

#include <cerrno>
#include <fcntl.h>

namespace pebblenix {

int openStandardStreams() {
    int closed = 0;
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            closed |= 1 << fd;
            // The lowest free number: this very descriptor, since those below are open.
            ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        }
    return closed;
}

} // namespace pebblenix
