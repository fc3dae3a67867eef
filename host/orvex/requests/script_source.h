// The dialog script of "orvex run --script SOURCE": a file, or "-" for standard input.
#pragma once
#include <string>

#include "host/base/result.h"
#include "platform/ui/script.h"

// The parsed script, or a refusal that names the source: one that cannot be read (a folder, a
// missing file, more than a script could be) or whose text is no script.
Result<ScriptParse> LoadScript(const std::string& source);

// What an action types, picks or expects, as the dialog's 8-bit text; refused, naming the line,
// for a text that cannot be one.
Status ToHostTexts(ScriptAction& action);
