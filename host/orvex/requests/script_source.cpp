// Reading and parsing a dialog script; see script_source.h.
#include "host/orvex/requests/script_source.h"

#include <cstring>

#include "host/orvex/text/latin1.h"
#include "platform/win/whole_file.h"

Status ToHostTexts(ScriptAction& action) {
    switch (action.verb) {
    case ScriptVerb::Type: case ScriptVerb::Set: case ScriptVerb::Select: case ScriptVerb::Expect: break;
    default: return {};   // the rest are words of the script's own, or a file's path, which keeps its bytes
    }
    auto text = Latin1FromUtf8(action.text);
    if (!text.ok()) return Failure{"line " + std::to_string(action.line) + ": " + text.error()};
    action.text = std::move(text.value());
    return {};
}

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
    for (ScriptAction& action : script.actions)
        if (Status texts = ToHostTexts(action); !texts.ok()) return R::Fail("script " + source + ": " + texts.error());
    return script;
}
