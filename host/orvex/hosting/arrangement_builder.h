// The arrangements of a footprint that the dialog's run under the footprint's name did not
// store, made by the dialog all the same: each further arrangement is a run of its own from the
// options it was made from, and each pin padstack a run of its arrangement again, reopened with
// that padstack for every pad, so that its pads stand on the copies the plug-in itself would
// make. The runs go under a passing name; the host takes their pads, deletes what they stored
// and, once the footprint is joined, the copies no pad came to stand on.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/base/result.h"
#include "host/orvex/extras/extras_applier.h"
#include "host/orvex/extras/footprint_extras.h"
#include "host/orvex/hosting/plugin_library.h"
#include "host/orvex/requests/generate_request.h"
#include "host/zelmdb/design_store.h"

class ArrangementBuilder {
public:
    ArrangementBuilder(const PluginLibrary& plugin, zelmdb::DesignStore& design) : plugin_(plugin), design_(design) {}

    // The first arrangement as the dialog stored it under `footprint`, then one per further
    // arrangement of `extras`; a refusal names the arrangement and its option.
    Result<std::vector<BuiltArrangement>> Build(const std::string& footprint, const FootprintExtras& extras);
    // Deletes the padstack copies of the pin padstack runs that no pad of the design stands on.
    Status DropUnusedCopies();
    // What the runs' dialogs told while storing: warnings.
    const std::vector<std::string>& Notes() const { return notes_; }

    // The name the runs go under: one no footprint of the design has, since a run replaces the
    // footprint of its name.
    static std::string PassingName(int n);

private:
    struct Stored {
        BuiltArrangement arrangement;
        std::string recipe;   // the plug-in's record of what it was made from
    };
    // One run under the passing name, opened on `recipe` when there is one.
    Result<Stored> RunOnce(const GenerateScript& script, const std::string& styleName,
                           const std::optional<std::string>& recipe, const std::string& prefix);
    Status AddPinPadstacks(BuiltArrangement& built, const ArrangementShape& shape, const std::string& recipe,
                           const std::string& prefix);

    const PluginLibrary& plugin_;
    zelmdb::DesignStore& design_;
    std::vector<int32_t> copies_;   // padstacks the pin padstack runs stored
    std::vector<std::string> notes_;
};
