// Further arrangements and pin padstacks through the dialog; see arrangement_builder.h.
#include "host/orvex/hosting/arrangement_builder.h"

#include <set>

#include "host/orvex/hosting/run_refusal.h"
#include "platform/ui/headless_driver.h"
#include "platform/win/message_box.h"

std::string ArrangementBuilder::PassingName(int n) {
    return "orvex: arrangement in the making" + (n > 1 ? " " + std::to_string(n) : std::string());
}

Result<ArrangementBuilder::Stored> ArrangementBuilder::RunOnce(const GenerateScript& script,
                                                               const std::string& styleName,
                                                               const std::optional<std::string>& recipe,
                                                               const std::string& prefix) {
    int n = 1;
    while (design_.FindSymbol(PassingName(n)) != 0) ++n;
    const std::string name = PassingName(n);
    // A record left under the name would open the dialog on it.
    TRY(design_.DeletePluginRecord(kPluginRecordOwner, name));
    if (recipe) TRY(design_.PutPluginRecord(kPluginRecordOwner, name, *recipe));
    HeadlessDriver driver(script.actions);
    driver.StopAtMessageBox();
    ClearShownMessageBoxes();
    const int32_t result = plugin_.DisplayTessraDialog(name.c_str());
    const std::vector<ShownMessageBox> boxes = ShownMessageBoxes();
    if (!design_.FailedWrites().empty()) return Failure{"NOT stored: " + design_.FailedWrites().front()};
    const std::optional<zelmdb::Symbol> symbol = design_.SymbolNamed(name);
    TRY(ScriptOutcome(script, driver, boxes, result == 1 && symbol, styleName));
    Stored stored{{symbol->pins, symbol->centerX, symbol->centerY, {}},
                  design_.GetPluginRecord(kPluginRecordOwner, name).value_or("")};
    if (!design_.DeleteSymbol(symbol->id)) return Failure{"what the dialog stored for it could not be taken back"};
    TRY(design_.DeletePluginRecord(kPluginRecordOwner, name));
    if (!boxes.empty()) notes_.push_back(prefix + "the dialog warns " + BoxesSaid(boxes));
    return stored;
}

Status ArrangementBuilder::AddPinPadstacks(BuiltArrangement& built, const ArrangementShape& shape,
                                           const std::string& recipe, const std::string& prefix) {
    for (const PinPadstack& entry : shape.pinPadstacks) {
        const std::string origin = "--pin-padstack " + PinPadstackText(entry);
        if (recipe.empty())
            return Failure{prefix + origin + ": the dialog kept nothing to make the arrangement again from"};
        const int32_t before = design_.LastPadstackId();
        auto stored = RunOnce(BuildPadstackScript(entry.padstack, origin), "reopened", recipe, prefix);
        if (!stored.ok()) return Failure{prefix + stored.error()};
        // A padstack the dialog took in from a library is kept, as the dialog keeps it.
        for (int32_t id = before + 1; id <= design_.LastPadstackId(); ++id) {
            const auto copy = design_.GetPadstack(id);
            if (copy && design_.NameText(copy->nameId).value_or("") != entry.padstack) copies_.push_back(id);
        }
        std::vector<int16_t> padstacks;
        for (const zelmdb::Pin& pin : stored.value().arrangement.pins) padstacks.push_back(pin.padstack);
        built.pinPadstacks.push_back(std::move(padstacks));
    }
    return {};
}

Result<std::vector<BuiltArrangement>> ArrangementBuilder::Build(const std::string& footprint,
                                                                const FootprintExtras& extras) {
    const std::optional<zelmdb::Symbol> symbol = design_.SymbolNamed(footprint);
    if (!symbol) return Failure{"the design holds no footprint named " + footprint};
    std::vector<BuiltArrangement> built{{symbol->pins, symbol->centerX, symbol->centerY, {}}};
    const std::string recipe = design_.GetPluginRecord(kPluginRecordOwner, footprint).value_or("");
    TRY(AddPinPadstacks(built[0], extras.shape, recipe, ""));
    for (size_t k = 0; k < extras.also.size(); ++k) {
        const AlsoArrangement& also = extras.also[k];
        const std::string prefix = AlsoLabel(k) + ": ";
        auto request = ArrangementFromOptions(also.madeFrom);
        if (!request.ok()) return Failure{prefix + "the options it was made from do not read: " + request.error()};
        auto stored = RunOnce(BuildGenerateScript(request.value()), request.value().styleName, std::nullopt, prefix);
        if (!stored.ok()) return Failure{prefix + stored.error()};
        TRY(AddPinPadstacks(stored.value().arrangement, also.shape, stored.value().recipe, prefix));
        built.push_back(std::move(stored.value().arrangement));
    }
    return built;
}

Status ArrangementBuilder::DropUnusedCopies() {
    if (copies_.empty()) return {};
    std::set<int32_t> used;
    for (const zelmdb::Symbol& s : design_.Symbols())
        for (const zelmdb::Pin& pin : s.pins) used.insert(pin.padstack);
    for (const int32_t id : copies_)
        if (used.count(id) == 0 && !design_.DeletePadstack(id) && design_.GetPadstack(id))
            return Failure{"a padstack copy no pad stands on could not be deleted"};
    copies_.clear();
    return {};
}
