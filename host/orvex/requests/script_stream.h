// A dialog script that arrives while the dialog runs, from a pipe, a FIFO or a terminal: read a
// line at a time as the dialog asks for its next action, so that whoever writes it can wait for
// what the dialog shows before going on. A stop request ends the wait for the next line.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "host/base/result.h"
#include "platform/ui/headless_driver.h"

class ScriptStream {
public:
    // Whether `source` ("-" for standard input) arrives as it is written rather than lying whole
    // in a file.
    static bool Arrives(const std::string& source);
    // Refused, naming the source, when it cannot be opened.
    static Result<std::unique_ptr<ScriptStream>> Open(const std::string& source);
    ~ScriptStream();
    ScriptStream(const ScriptStream&) = delete;
    ScriptStream& operator=(const ScriptStream&) = delete;

    // Reads on until a line holds an action (appended to `into`), the script ends or a stop is
    // requested. A line that is no action, or whose text the dialog cannot take, fails.
    HeadlessDriver::More Next(std::vector<ScriptAction>& into, std::string& error);

private:
    ScriptStream(int fd, bool owned, std::string source) : fd_(fd), owned_(owned), source_(std::move(source)) {}
    // More bytes into pending_; false when the wait was cut short or reading failed (`error`).
    bool Read(std::string& error);
    HeadlessDriver::More TakeLine(std::vector<ScriptAction>& into, std::string& error);

    int fd_;
    bool owned_;
    std::string source_;
    std::string pending_;
    int line_ = 0;
    bool ended_ = false;
};
