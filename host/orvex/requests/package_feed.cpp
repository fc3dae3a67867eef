// Feeding a package's layout to the dialog and the host; see package_feed.h.
#include "host/orvex/requests/package_feed.h"

#include <cstdio>
#include <utility>

#include "host/orvex/extras/land_padstacks.h"
#include "host/orvex/requests/package_layout.h"
#include "host/zelmdb/unit_table.h"

namespace {

// Each land's padstack once, however many pads stand on it.
class Padstacks {
public:
    explicit Padstacks(zelmdb::DesignStore& store) : store_(store) {}
    Result<std::string> Of(const LandShape& shape) {
        for (const auto& [known, name] : names_)
            if (known == shape) return name;
        TRY_ASSIGN(name, FindOrMakeLandPadstack(store_, shape));
        names_.emplace_back(shape, name);
        return name;
    }

private:
    zelmdb::DesignStore& store_;
    std::vector<std::pair<LandShape, std::string>> names_;
};

Status SetPage(GenerateRequest& request, const PackageLayout& l, const zelmdb::DesignInfo& design) {
    TRY(SetDialogOption(request, "style", l.style));
    for (const auto& [field, count] : l.counts) TRY(SetDialogOption(request, field, std::to_string(count)));
    for (const auto& [field, mm] : l.lengths) TRY(SetDialogOption(request, field, DisplayUnitText(mm, design)));
    for (const std::string& button : l.buttons) TRY(SetDialogOption(request, button, std::nullopt));
    if (l.alphabet) TRY(SetDialogOption(request, "alphabet", *l.alphabet));
    return {};
}

}  // namespace

std::string DisplayUnitText(double mm, const zelmdb::DesignInfo& design) {
    const zelmdb::UnitInfo* unit = zelmdb::UnitByCode(design.unitCode);
    const double inches = unit ? unit->inchesPerUnit : design.inchesPerUnit;
    char text[64];
    std::snprintf(text, sizeof text, "%.9f", mm / 25.4 / inches);
    std::string shown = text;
    shown.erase(shown.find_last_not_of('0') + 1);
    if (shown.back() == '.') shown.pop_back();
    return shown == "-0" ? "0" : shown;
}

Result<std::vector<LandPin>> FeedPackage(GenerateRequest& request, zelmdb::DesignStore& store) {
    const PackageLayout l = LayoutOf(*request.package);
    const zelmdb::DesignInfo& design = store.info();
    TRY(SetPage(request, l, design));
    Padstacks padstacks(store);
    TRY_ASSIGN(land, padstacks.Of(l.land));
    TRY(SetDialogOption(request, "padstack", land));
    TRY(SetDialogOption(request, "pin1-padstack", land));
    for (const PlannedPad& pad : l.extras) {
        TRY_ASSIGN(padstack, padstacks.Of(pad.shape));
        request.extras.pads.push_back(
            {pad.name, DisplayUnitText(pad.x, design), DisplayUnitText(pad.y, design), padstack});
    }
    request.extras.omit = l.omit;
    request.extras.turn = l.turn;
    const land::LandPattern& p = request.package->pattern;
    request.body = BodySize{p.bodyX.nominal, p.bodyY.nominal};
    return l.pins;
}
