// Why a dialog run fed by a script did not store what it was fed, told in the words of the
// option each action came from.
#pragma once
#include <string>
#include <vector>

#include "host/base/result.h"
#include "host/orvex/requests/generate_request.h"
#include "platform/ui/headless_driver.h"
#include "platform/win/message_box.h"

// The boxes' texts: "\"A\", then \"B\""; empty for none.
std::string BoxesSaid(const std::vector<ShownMessageBox>& boxes);

// Done when the run stored its footprint (`stored`); else why not: the option whose action
// failed, or the box the dialog answered an option with. `styleName` is the page the script set.
Status ScriptOutcome(const GenerateScript& script, const HeadlessDriver& driver,
                     const std::vector<ShownMessageBox>& boxes, bool stored, const std::string& styleName);
