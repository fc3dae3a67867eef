// Reading a script as it arrives; see script_stream.h.
#include "host/orvex/requests/script_stream.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "host/orvex/requests/script_source.h"
#include "platform/win/stop_request.h"

namespace {

constexpr size_t kLongestLine = size_t(1) << 20;   // far beyond any action

}  // namespace

bool ScriptStream::Arrives(const std::string& source) {
    struct stat st;
    const int found = source == "-" ? ::fstat(STDIN_FILENO, &st) : ::stat(source.c_str(), &st);
    return found == 0 && (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode) || S_ISSOCK(st.st_mode));
}

Result<std::unique_ptr<ScriptStream>> ScriptStream::Open(const std::string& source) {
    if (source == "-") return std::unique_ptr<ScriptStream>(new ScriptStream(STDIN_FILENO, false, source));
    // A FIFO's opening waits for its writer; a stop request ends that wait too.
    const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Failure{"cannot read the script " + source + ": " + std::strerror(errno)};
    return std::unique_ptr<ScriptStream>(new ScriptStream(fd, true, source));
}

ScriptStream::~ScriptStream() {
    if (owned_) ::close(fd_);
}

HeadlessDriver::More ScriptStream::Next(std::vector<ScriptAction>& into, std::string& error) {
    for (;;) {
        if (pending_.find('\n') != std::string::npos || (ended_ && !pending_.empty())) {
            const HeadlessDriver::More taken = TakeLine(into, error);
            if (taken != HeadlessDriver::More::NotYet) return taken;
            continue;   // a blank line or a comment
        }
        if (ended_) return HeadlessDriver::More::End;
        if (pending_.size() > kLongestLine) {
            error = "line " + std::to_string(line_ + 1) + " is longer than any action";
            return HeadlessDriver::More::Failed;
        }
        if (!Read(error)) return error.empty() ? HeadlessDriver::More::NotYet : HeadlessDriver::More::Failed;
    }
}

// NotYet for a line without an action.
HeadlessDriver::More ScriptStream::TakeLine(std::vector<ScriptAction>& into, std::string& error) {
    const size_t end = pending_.find('\n');
    const std::string line = pending_.substr(0, end);
    pending_.erase(0, end == std::string::npos ? std::string::npos : end + 1);
    const size_t before = into.size();
    error = ParseScriptLine(line, ++line_, into);
    if (error.empty() && into.size() > before) {
        if (Status texts = ToHostTexts(into.back()); !texts.ok()) error = texts.error();
    }
    if (!error.empty()) return HeadlessDriver::More::Failed;
    return into.size() > before ? HeadlessDriver::More::Some : HeadlessDriver::More::NotYet;
}

bool ScriptStream::Read(std::string& error) {
    pollfd waits[2] = {{fd_, POLLIN, 0}, {stop_request::WakeFd(), POLLIN, 0}};
    if (::poll(waits, waits[1].fd < 0 ? 1 : 2, -1) < 0) return false;   // a signal: the loop looks
    if (stop_request::Signal() != 0 || waits[0].revents == 0) return false;
    char buffer[4096];
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n < 0) {
        if (errno == EINTR || errno == EAGAIN) return false;
        error = "cannot read the script " + source_ + ": " + std::strerror(errno);
        return false;
    }
    if (n == 0) ended_ = true;
    pending_.append(buffer, size_t(n));
    return true;
}
