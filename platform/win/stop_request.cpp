// The stop request: a flag and a self-pipe; see stop_request.h.
#include "platform/win/stop_request.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace stop_request {

namespace {

volatile std::sig_atomic_t raised = 0;
int pipeFds[2] = {-1, -1};

}  // namespace

bool Prepare() {
    if (pipeFds[0] >= 0) return true;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    pipeFds[0] = fds[0];
    pipeFds[1] = fds[1];
    return true;
}

void Raise(int signal) {
    if (raised == 0) raised = signal;
    if (pipeFds[1] >= 0) {
        const char byte = 1;
        // A full pipe is readable already; nothing is lost when this write is refused.
        [[maybe_unused]] const ssize_t n = ::write(pipeFds[1], &byte, 1);
    }
}

int Signal() { return raised; }

int WakeFd() { return pipeFds[0]; }

void Clear() {
    raised = 0;
    char drain[64];
    while (pipeFds[0] >= 0 && ::read(pipeFds[0], drain, sizeof drain) > 0) {
    }
}

}  // namespace stop_request
