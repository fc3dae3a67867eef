// One footprint for "orvex generate": the style page and what a person would put into its
// controls, then what the host adds, leaves out and turns, from command-line options or from a
// JSON object with the same names; or a package, whose lands choose all of that.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "host/base/result.h"
#include "host/orvex/extras/footprint_extras.h"
#include "host/orvex/requests/extras_request.h"
#include "host/orvex/requests/package_request.h"
#include "host/orvex/text/arg_list.h"
#include "host/orvex/text/json_reader.h"
#include "host/zelmdb/design_types.h"
#include "platform/ui/script.h"

// What the dialog is fed for one arrangement, and what the host does to it on its own.
struct ArrangementRequest {
    int page = -1;
    std::string styleName;
    std::vector<std::pair<int, std::string>> fields;   // row of the field table, text to enter
    std::vector<std::pair<int, bool>> radios;          // row of the radio table; true: its first button
    std::optional<std::string> alphabet;
    std::string padstack, pin1Padstack;
    ShapeRequest shape;
};

// An arrangement after the first: the dialog makes it apart, and the host places it and joins
// its pads to the first's.
struct AlsoRequest : ArrangementRequest {
    std::string x = "0", y = "0";   // display units, as --pads-about measures
    bool shareNames = false;
};

// The first arrangement, and what belongs to the whole footprint.
struct GenerateRequest : ArrangementRequest {
    int entry = 0;           // 1 + its index in a JSON list; 0 for the command line or a lone object
    std::string design;      // only from JSON; empty: the command line's design
    std::string footprint;
    std::optional<BodySize> body;   // kept with the footprint, not fed to the dialog
    ExtrasRequest extras;            // what the host does to the footprint the dialog stored
    std::optional<PackageRequest> package;   // fed to the dialog once the design is open
    std::vector<AlsoRequest> also;
};

// Every option of generate, and at most DESIGN and FOOTPRINT besides.
ArgRules GenerateArgRules();

Result<GenerateRequest> RequestFromArgs(const ArgList& args, const std::string& footprint);
// An object is one footprint, an array of objects many; the refusal names the entry.
Result<std::vector<GenerateRequest>> RequestsFromJson(const JsonValue& root);
// An arrangement again from the options it was made from (MadeFrom), as the host keeps them.
Result<ArrangementRequest> ArrangementFromOptions(const OptionList& options);

// How messages name a request, in UTF-8: "entry 3 (BGA256)" in a batch, else the footprint's name.
std::string RequestLabel(const GenerateRequest& request);

// What the host keeps with the footprint: the body, the extras, the other arrangements, the
// options the dialog was fed and a package's land pattern; refuses a place the design cannot hold.
Result<FootprintExtras> ExtrasOf(const GenerateRequest& request, const zelmdb::DesignInfo& design);

// What a person would do in the dialog for the request. Every action's line is 1 + the index of
// the option it comes from in `origins` ("--x", "--padstack"; empty for the closing OK), so a
// failed action names its option.
struct GenerateScript {
    std::vector<ScriptAction> actions;
    std::vector<std::string> origins;
};
GenerateScript BuildGenerateScript(const ArrangementRequest& request);
// The dialog, opened on an arrangement already made, set to `padstack` for every pad, pin 1
// too: what the arrangement's pads would stand on were that padstack its own.
GenerateScript BuildPadstackScript(const std::string& padstack, const std::string& origin);

// Sets one of the dialog's options by its name on the command line ("style", "x", "corner-start",
// "padstack"; a radio button without a value), as the command line would.
Status SetDialogOption(ArrangementRequest& request, const std::string& name, const std::optional<std::string>& value);

// The options the dialog was fed, as named on the command line, style first: what the
// arrangement was made from.
OptionList MadeFrom(const ArrangementRequest& request);

// The control an option fills ("p", "x-alpha", ...), or the buttons and lists the run uses
// ("alphabet", "letter-a", "padstack", "pin1-padstack", "padstack-list"); 0 for no such name.
int GenerateControlId(const std::string& name);
