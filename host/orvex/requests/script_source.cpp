// Reading and parsing a dialog script; see script_source.h.
#include "host/orvex/requests/script_source.h"

#include <cstring>

#include "platform/win/whole_file.h"

Result<ScriptParse> LoadScript(const std::string& source) {
    using R = Result<ScriptParse>;
    const bool input = source == "-";
    std::string text;
    if (const int error = input ? ReadWholeInput(text) : ReadWholeFile(source, text)) {
        return R::Fail("cannot read the script " + (input ? std::string("from standard input") : source) + ": " +
                       std::strerror(error));
    }
    ScriptParse script = ParseScript(text);
    if (!script.Ok()) return R::Fail("script " + source + ": " + script.error);
    return script;
}
