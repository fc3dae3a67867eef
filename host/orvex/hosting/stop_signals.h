// SIGTERM, SIGINT and SIGHUP while a run or a batch is open: each ends every open dialog as its
// Cancel would (the window system's stop request), and the command then keeps nothing and exits
// with 128 + the signal's number. The handler only raises the request.
#pragma once
#include <csignal>
#include <string>

#include "host/base/result.h"

class StopSignals {
public:
    StopSignals();
    // Puts back the handlers it replaced.
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Refused once a signal came, naming it, followed by `kept`, what the command leaves.
    Status Check(const std::string& kept) const;
    // 128 + the signal that came, or `otherwise` when none did.
    int ExitCode(int otherwise) const;

private:
    struct sigaction previous_[3];
};
