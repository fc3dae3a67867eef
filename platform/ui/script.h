// The dialog script: one user action per line, as the headless driver replays them.
#pragma once
#include <string>
#include <vector>

enum class ScriptVerb { Page, Type, Set, Clear, Key, Focus, Click, Select, Answer, File, Ok, Cancel, Close, Shot, Expect, Check };

struct ScriptAction {
    ScriptVerb verb = ScriptVerb::Ok;
    int line = 0;
    int id = 0;          // control ID or page number
    std::string text;    // typed text, key name, answer, path, shot target, entry text
    std::string file;    // shot output
    int index = -1;      // select #K
};

struct ScriptParse {
    std::vector<ScriptAction> actions;
    std::string error;   // "line N: ..." when the script is refused
    bool Ok() const { return error.empty(); }
};

// Refuses the whole script at its first bad line, so nothing runs half a script.
ScriptParse ParseScript(const std::string& text);
// One line of a script, numbered `number`: appends its action, when it holds one, to `into`.
// The refusal ("line N: ..."), or empty for a line that is fine.
std::string ParseScriptLine(const std::string& line, int number, std::vector<ScriptAction>& into);

// Splits a line into words; "..." quotes a word (\" and \\ inside). False on an open quote.
bool SplitScriptLine(const std::string& line, std::vector<std::string>& words);
