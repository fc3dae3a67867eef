// Parsing dialog scripts into actions, with the line number of every refusal.
#include "platform/ui/script.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <sstream>

namespace {

struct VerbRule {
    ScriptVerb verb;
    int minWords, maxWords;   // words after the verb
};

const std::map<std::string, VerbRule>& Verbs() {
    static const std::map<std::string, VerbRule> verbs = {
        {"page", {ScriptVerb::Page, 1, 1}},     {"type", {ScriptVerb::Type, 2, 2}},
        {"set", {ScriptVerb::Set, 2, 2}},       {"clear", {ScriptVerb::Clear, 1, 1}},
        {"key", {ScriptVerb::Key, 1, 1}},       {"focus", {ScriptVerb::Focus, 1, 1}},
        {"click", {ScriptVerb::Click, 1, 1}},   {"select", {ScriptVerb::Select, 2, 2}},
        {"answer", {ScriptVerb::Answer, 1, 1}}, {"file", {ScriptVerb::File, 1, 1}},
        {"ok", {ScriptVerb::Ok, 0, 0}},         {"cancel", {ScriptVerb::Cancel, 0, 0}},
        {"close", {ScriptVerb::Close, 0, 0}},   {"shot", {ScriptVerb::Shot, 2, 2}},
        {"expect", {ScriptVerb::Expect, 2, 2}}, {"check", {ScriptVerb::Check, 2, 2}},
    };
    return verbs;
}

bool ParseNumber(const std::string& word, int& out) {
    if (word.empty() || word.size() > 9) return false;
    char* end = nullptr;
    const long v = std::strtol(word.c_str(), &end, 10);
    if (*end != 0) return false;
    out = int(v);
    return true;
}

bool OneOf(const std::string& word, std::initializer_list<const char*> allowed) {
    for (const char* a : allowed)
        if (word == a) return true;
    return false;
}

// Checks the words of one action; returns an error text or "".
std::string Fill(ScriptAction& a, const std::vector<std::string>& w) {
    switch (a.verb) {
    case ScriptVerb::Page:
        if (!ParseNumber(w[1], a.id) || a.id < 0) return "page needs a page number, not \"" + w[1] + "\"";
        return "";
    case ScriptVerb::Key:
        a.text = w[1];
        if (!OneOf(a.text, {"enter", "escape", "tab", "backspace", "up", "down", "delete", "left", "right", "home", "end", "space", "shift-tab"}))
            return "unknown key \"" + a.text + "\"";
        return "";
    case ScriptVerb::Answer:
        a.text = w[1];
        return OneOf(a.text, {"ok", "cancel", "yes", "no"}) ? "" : "answer must be ok, cancel, yes or no";
    case ScriptVerb::File:
        a.text = w[1];
        return "";
    case ScriptVerb::Shot:
        a.text = w[1];
        a.file = w[2];
        return OneOf(a.text, {"screen", "sheet", "preview", "sample", "dialog"}) ? "" : "shot of what? screen, sheet, preview, sample or dialog";
    case ScriptVerb::Ok: case ScriptVerb::Cancel: case ScriptVerb::Close:
        return "";
    default:
        break;
    }
    // The rest name a control first.
    if (!ParseNumber(w[1], a.id)) return "\"" + w[1] + "\" is not a control ID";
    if (w.size() > 2) a.text = w[2];
    if (a.verb == ScriptVerb::Check && !OneOf(a.text, {"0", "1"})) return "check needs 0 or 1, not \"" + a.text + "\"";
    if (a.verb == ScriptVerb::Select && a.text.size() > 1 && a.text[0] == '#') {
        if (!ParseNumber(a.text.substr(1), a.index) || a.index < 0) return "bad entry position \"" + a.text + "\"";
    }
    return "";
}

}  // namespace

bool SplitScriptLine(const std::string& line, std::vector<std::string>& words) {
    words.clear();
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        // "#" opens a comment, except "#K", an entry position.
        const bool position = line[i] == '#' && i + 1 < line.size() && std::isdigit(uint8_t(line[i + 1]));
        if (i >= line.size() || (line[i] == '#' && !position)) break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            for (; i < line.size(); ++i) {
                if (line[i] == '\\' && i + 1 < line.size()) { word += line[++i]; continue; }
                if (line[i] == '"') { closed = true; ++i; break; }
                word += line[i];
            }
            if (!closed) return false;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word += line[i++];
        }
        words.push_back(word);
    }
    return true;
}

std::string ParseScriptLine(const std::string& line, int number, std::vector<ScriptAction>& into) {
    const std::string where = "line " + std::to_string(number) + ": ";
    std::vector<std::string> words;
    if (!SplitScriptLine(line, words)) return where + "a quoted text is not closed";
    if (words.empty()) return "";
    auto rule = Verbs().find(words[0]);
    if (rule == Verbs().end()) return where + "unknown action \"" + words[0] + "\"";
    const int args = int(words.size()) - 1;
    if (args < rule->second.minWords || args > rule->second.maxWords) {
        return where + "\"" + words[0] + "\" takes " + std::to_string(rule->second.minWords) + " argument(s), not " +
               std::to_string(args);
    }
    ScriptAction action;
    action.verb = rule->second.verb;
    action.line = number;
    if (std::string error = Fill(action, words); !error.empty()) return where + error;
    into.push_back(action);
    return "";
}

ScriptParse ParseScript(const std::string& text) {
    ScriptParse result;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (std::string error = ParseScriptLine(line, number, result.actions); !error.empty()) {
            result.actions.clear();
            result.error = std::move(error);
            return result;
        }
    }
    return result;
}
