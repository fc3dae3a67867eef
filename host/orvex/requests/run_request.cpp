// Reading a dialog run from the command line; see run_request.h.
#include "host/orvex/requests/run_request.h"

#include "host/orvex/text/latin1.h"
#include "host/orvex/text/number_parser.h"

namespace {

Result<ScreenSize> ParseScreen(const std::string& text) {
    const size_t x = text.find('x');
    if (x == std::string::npos) return Failure{"screen size " + Utf8FromLatin1(text) + " is not WIDTHxHEIGHT"};
    TRY_ASSIGN(width, number_parser::Integer(text.substr(0, x), "screen width", 320, 16384));
    TRY_ASSIGN(height, number_parser::Integer(text.substr(x + 1), "screen height", 240, 16384));
    return ScreenSize{int(width), int(height)};
}

}  // namespace

ArgRules RunArgRules() { return {{"--script", "--screen", "--scale"}, {"--reopen"}, {}, 2, 2, {"--script"}}; }

Result<RunRequest> RunRequestOf(const ArgList& a) {
    RunRequest r;
    r.design = a.positional()[0];
    r.footprint = a.positional()[1];
    r.reopen = a.Has("--reopen");
    r.script = a.Value("--script");
    if (auto text = a.Value("--screen")) {
        TRY_ASSIGN(screen, ParseScreen(*text));
        r.screen = screen;
    }
    if (auto text = a.Value("--scale")) {
        TRY_ASSIGN(scale, number_parser::Integer(*text, "scale", 1, 8));
        r.scale = int(scale);
    }
    return r;
}
