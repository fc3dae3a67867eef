// Refusals of scripted dialog runs; see run_refusal.h.
#include "host/orvex/hosting/run_refusal.h"

#include "host/orvex/text/latin1.h"

namespace {

std::string OriginOf(const GenerateScript& script, int line) {
    return line >= 1 && line <= int(script.origins.size()) ? script.origins[size_t(line - 1)] : "";
}

std::string DriverRefusal(const GenerateScript& script, const HeadlessDriver& driver, const std::string& styleName) {
    const int line = driver.FailedLine();
    const std::string origin = OriginOf(script, line);
    if (driver.FailureKind() == HeadlessDriver::Failure::NoEntry) {
        for (const ScriptAction& a : script.actions) {
            if (a.line != line || a.verb != ScriptVerb::Select || a.id != GenerateControlId("padstack-list")) continue;
            return origin + ": the dialog offers no padstack named " + Utf8FromLatin1(a.text) +
                   " (it lists the design's usable padstacks and those of the PADSTACK_LIB libraries)";
        }
    }
    if (driver.FailureKind() == HeadlessDriver::Failure::Unreachable)
        return origin + " does not apply to the " + styleName + " style as set";
    return (origin.empty() ? "" : origin + ": ") + Utf8FromLatin1(driver.Error());
}

// The option whose action the dialog answered with a message: the driver stops there, so it is
// the last action it took. Empty for the closing OK.
std::string BoxOrigin(const GenerateScript& script, const HeadlessDriver& driver) {
    const int taken = int(script.actions.size()) - driver.ActionsLeft();
    if (taken < 1) return "";
    return OriginOf(script, script.actions[size_t(taken - 1)].line);
}

}  // namespace

std::string BoxesSaid(const std::vector<ShownMessageBox>& boxes) {
    std::string said;
    for (const ShownMessageBox& box : boxes) said += (said.empty() ? "" : ", then ") + ("\"" + Utf8FromLatin1(box.Text) + "\"");
    return said;
}

Status ScriptOutcome(const GenerateScript& script, const HeadlessDriver& driver,
                     const std::vector<ShownMessageBox>& boxes, bool stored, const std::string& styleName) {
    if (driver.Failed()) return Failure{DriverRefusal(script, driver, styleName)};
    if (stored) return {};
    const std::string said = BoxesSaid(boxes);
    if (said.empty()) return Failure{"the dialog did not end with OK"};
    const std::string origin = BoxOrigin(script, driver);
    return Failure{(origin.empty() ? "" : origin + ": ") + "the dialog says " + said};
}
