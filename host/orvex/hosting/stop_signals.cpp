// Installing and naming the stop signals; see stop_signals.h.
#include "host/orvex/hosting/stop_signals.h"

#include <iterator>

#include "platform/win/stop_request.h"

namespace {

struct Named {
    int signal;
    const char* name;
};
constexpr Named kSignals[] = {{SIGTERM, "SIGTERM"}, {SIGINT, "SIGINT"}, {SIGHUP, "SIGHUP"}};

extern "C" void OnStopSignal(int signal) { stop_request::Raise(signal); }

}  // namespace

StopSignals::StopSignals() {
    static_assert(std::size(kSignals) == std::size(decltype(previous_){}));
    stop_request::Prepare();
    stop_request::Clear();
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a wait for a script's next line or a FIFO's writer ends at once.
    action.sa_flags = 0;
    for (size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i].signal, &action, &previous_[i]);
}

StopSignals::~StopSignals() {
    for (size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i].signal, &previous_[i], nullptr);
}

Status StopSignals::Check(const std::string& kept) const {
    const int signal = stop_request::Signal();
    if (signal == 0) return {};
    for (const Named& n : kSignals)
        if (n.signal == signal) return Failure{std::string("stopped by ") + n.name + "; " + kept};
    return Failure{"stopped by signal " + std::to_string(signal) + "; " + kept};
}

int StopSignals::ExitCode(int otherwise) const {
    const int signal = stop_request::Signal();
    return signal == 0 ? otherwise : 128 + signal;
}
