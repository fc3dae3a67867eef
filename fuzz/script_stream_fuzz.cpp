// Arbitrary bytes as a script arriving through a pipe: read line by line until it ends or a line
// is refused with its number, taking the same actions as the whole script would; never a crash
// or a hang.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/orvex/requests/script_source.h"
#include "host/orvex/requests/script_stream.h"

namespace {

constexpr size_t kPipeHolds = 60000;   // written whole before reading, so below a pipe's buffer

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > kPipeHolds) return 0;
    int fds[2];
    if (::pipe(fds) != 0) return 0;
    if (::write(fds[1], data, size) != ssize_t(size)) __builtin_trap();
    ::close(fds[1]);
    ::dup2(fds[0], STDIN_FILENO);
    ::close(fds[0]);
    auto stream = ScriptStream::Open("-");
    if (!stream.ok()) __builtin_trap();
    std::vector<ScriptAction> actions;
    std::string error;
    HeadlessDriver::More more = HeadlessDriver::More::Some;
    while (more == HeadlessDriver::More::Some) more = stream.value()->Next(actions, error);
    if (more == HeadlessDriver::More::Failed ? error.rfind("line ", 0) != 0 : more != HeadlessDriver::More::End)
        __builtin_trap();
    // A script that reads whole gives the same actions.
    ScriptParse whole = ParseScript(std::string(reinterpret_cast<const char*>(data), size));
    bool texts = whole.Ok();
    for (ScriptAction& a : whole.actions) texts = texts && ToHostTexts(a).ok();
    if (texts != (more == HeadlessDriver::More::End) || (texts && whole.actions.size() != actions.size()))
        __builtin_trap();
    return 0;
}
