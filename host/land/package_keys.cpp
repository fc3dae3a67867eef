// The key table and the setting of one key; see package_keys.h.
#include "host/land/package_keys.h"

#include <cmath>
#include <optional>
#include <variant>

#include "host/land/number_text.h"

namespace land {
namespace {

// More pins in a row or balls in a line than any package has is a typing error.
constexpr int kMaxCount = 1000;
constexpr int kMaxGrid = 50;   // paste windows or vias across an exposed pad

std::string Named(const KeyRow& row, const std::string& rest) { return std::string(row.name) + " " + rest; }

// Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "'" + std::string(text).
std::string Quoted(std::string_view text) { return std::string("'").append(text).append("'"); }

// "3x3" or "3,3".
Result<CountPair> ParsePair(std::string_view text, std::string_view key) {
    const size_t cut = text.find_first_of("x,");
    if (cut == std::string_view::npos)
        return Failure{std::string(key) + " '" + std::string(text) + "' is not two counts (NxM)"};
    TRY_ASSIGN(x, ParseCount(Trim(text.substr(0, cut)), key, 1, kMaxGrid));
    TRY_ASSIGN(y, ParseCount(Trim(text.substr(cut + 1)), key, 1, kMaxGrid));
    return CountPair{x, y};
}

// "3x3,0.3" or "3x3,0.3,paste_avoid_via".
Result<ViaGrid> ParseVias(std::string_view text) {
    const size_t first = text.find(','), second = text.find(',', first + 1);
    const std::string_view rest = second == std::string_view::npos ? "" : Trim(text.substr(second + 1));
    if (first == std::string_view::npos || (second != std::string_view::npos && rest != "paste_avoid_via"))
        return Failure{"thermal_vias '" + std::string(text) + "' is not NxM,DRILL or NxM,DRILL,paste_avoid_via"};
    TRY_ASSIGN(count, ParsePair(Trim(text.substr(0, first)), "thermal_vias count"));
    TRY_ASSIGN(drill, ParseNumber(Trim(text.substr(first + 1, second - first - 1)), "thermal_vias drill"));
    return ViaGrid::Make(count.x, count.y, drill, second != std::string_view::npos);
}

template <class T, class Lookup>
Result<KeyValue> Choice(std::string_view text, const KeyRow& row, Lookup lookup, const std::string& choices) {
    const auto value = lookup(text);
    if (!value) return Failure{Named(row, Quoted(text) + " is not " + choices)};
    KeyValue held{std::in_place_type<T>, *value};
    return held;
}

// The range every value of a kind keeps.
Status CheckRange(const KeyRow& row, const KeyValue& value) {
    const double* mm = std::get_if<double>(&value);
    const auto outside = [&](const char* what) { return Failure{Named(row, Mm(*mm) + " " + what)}; };
    switch (row.kind) {
        case KeyKind::Size:
            if (!(*mm > 0)) return outside("must be above 0");
            if (*mm > kMaxLengthMm) return outside("is larger than 1000 mm");
            break;
        case KeyKind::Allowance:
            if (!(*mm >= 0)) return outside("cannot be negative");
            if (*mm > kMaxLengthMm) return outside("is larger than 1000 mm");
            break;
        case KeyKind::Offset:
            if (!(std::abs(*mm) <= kMaxLengthMm)) return outside("is beyond 1000 mm");
            break;
        case KeyKind::Ratio:
            if (!(*mm > 0 && *mm <= 1)) return outside("is not a share above 0 and at most 1");
            break;
        case KeyKind::Count: {
            const int n = std::get<int>(value);
            if (n < 0 || n > kMaxCount)
                return Failure{Named(row, std::to_string(n) + " is out of range (0 to " + std::to_string(kMaxCount) +
                                              ")")};
            break;
        }
        case KeyKind::PinList:
            if (Trim(std::get<std::string>(value)).empty()) return Failure{Named(row, "is empty")};
            break;
        default:
            break;
    }
    return {};
}

// A value of the alternative that each kind holds.
KeyValue Sample(KeyKind kind) {
    switch (kind) {
        case KeyKind::Family: return Family::GullWing;
        case KeyKind::Density: return Density::Nominal;
        case KeyKind::Dimension: return Dimension{};
        case KeyKind::Size: case KeyKind::Allowance: case KeyKind::Offset: case KeyKind::Ratio: return 0.0;
        case KeyKind::Count: return 0;
        case KeyKind::Flag: return false;
        case KeyKind::CountPair: return CountPair{};
        case KeyKind::PinList: return std::string();
        case KeyKind::Vias: return ViaGrid{};
        case KeyKind::BallType: return BallType::Collapsible;
    }
    return {};
}

// "N+-T" with the fewest decimals of T that give both limits back to the bit, if any: a
// datasheet's 3.9+-0.05 has limits that no short decimal writes (3.9499999999999997).
std::optional<std::string> ToleranceText(const Dimension& d) {
    for (double scale = 10; scale <= 1e9; scale *= 10) {
        const double t = std::round((d.max - d.nominal) * scale) / scale;
        if (d.nominal - t == d.min && d.nominal + t == d.max) return NumberText(d.nominal) + "+-" + NumberText(t);
    }
    return std::nullopt;
}

// Whether no number of the text runs past micrometres: one that does is a sum's rounding.
bool Plain(const std::string& text) {
    bool fraction = false;
    int digits = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.') {
            fraction = !(i > 0 && text[i - 1] == '.');   // the second dot of ".." ends a number
            digits = 0;
        } else if (c == '+' || c == '-') {
            fraction = false;
        } else if (fraction && ++digits > 6) {
            return false;
        }
    }
    return true;
}

// The exact form of a dimension: every limit in full, the nominal where it is not the middle;
// the nominal and its tolerance where the limits would read as rounding noise.
std::string ExactDimensionText(const Dimension& d) {
    if (d.min == d.max) return NumberText(d.nominal);
    std::string text = NumberText(d.min) + ".." + NumberText(d.max);
    if (d.nominal != (d.min + d.max) / 2) text = NumberText(d.min) + ".." + NumberText(d.nominal) + ".." + NumberText(d.max);
    if (Plain(text)) return text;
    return ToleranceText(d).value_or(text);
}

std::string PairText(int x, int y) { return std::to_string(x) + "x" + std::to_string(y); }

// One overload per alternative of KeyValue.
struct ValueText {
    std::string operator()(std::monostate) const { return ""; }
    std::string operator()(const Dimension& d) const { return ExactDimensionText(d); }
    std::string operator()(double v) const { return NumberText(v); }
    std::string operator()(int n) const { return std::to_string(n); }
    std::string operator()(bool b) const { return b ? "true" : "false"; }
    std::string operator()(const CountPair& p) const { return PairText(p.x, p.y); }
    std::string operator()(const std::string& pins) const { return pins; }
    std::string operator()(const ViaGrid& v) const {
        return PairText(v.x, v.y) + "," + NumberText(v.drill) + (v.pasteAvoidVia ? ",paste_avoid_via" : "");
    }
    std::string operator()(Family f) const { return FamilyName(f); }
    std::string operator()(Density d) const { return DensityOf(d).name; }
    std::string operator()(BallType t) const {
        for (const BallTypeRow& row : BallTypes())
            if (row.type == t) return row.name;
        return "";
    }
};

}  // namespace

Result<CountPair> CountPair::Make(int x, int y, std::string_view key) {
    if (x < 1 || y < 1 || x > kMaxGrid || y > kMaxGrid)
        return Failure{std::string(key) + " [" + std::to_string(x) + ", " + std::to_string(y) +
                       "] is out of range (1 to " + std::to_string(kMaxGrid) + " each)"};
    return CountPair{x, y};
}

Result<ViaGrid> ViaGrid::Make(int x, int y, double drill, bool pasteAvoidVia) {
    TRY_ASSIGN(count, CountPair::Make(x, y, "thermal_vias count"));
    if (!(drill > 0 && drill <= kMaxLengthMm))
        return Failure{"thermal_vias drill " + Mm(drill) + " must be above 0"};
    return ViaGrid{count.x, count.y, drill, pasteAvoidVia};
}

const std::vector<KeyRow>& PackageKeys() {
    using K = KeyKind;
    static const std::vector<KeyRow> rows = {
        {Key::Family, "family", K::Family, kAll, "the package family"},
        {Key::Density, "density", K::Density, kAll, "land density; nominal unless given"},
        {Key::Pitch, "pitch", K::Size, kAll, "pad pitch along a row (a BGA's pitch_x and pitch_y at once)"},
        {Key::NumPinsX, "num_pins_x", K::Count, kLeaded, "pads on each of the top and bottom rows"},
        {Key::NumPinsY, "num_pins_y", K::Count, kLeaded, "pads on each of the left and right rows"},
        {Key::BodySizeX, "body_size_x", K::Dimension, kAll, "body width"},
        {Key::BodySizeY, "body_size_y", K::Dimension, kAll, "body height"},
        {Key::HiddenPins, "hidden_pins", K::PinList, kAll,
         "positions left empty, numbering kept (a BGA's depopulated balls)"},
        {Key::DeletedPins, "deleted_pins", K::PinList, kLeaded, "positions left empty, numbering closes up"},
        {Key::OverallSizeX, "overall_size_x", K::Dimension, kGullWing,
         "lead tip to lead tip across the left and right rows"},
        {Key::OverallSizeY, "overall_size_y", K::Dimension, kGullWing,
         "lead tip to lead tip across the top and bottom rows"},
        {Key::LeadWidth, "lead_width", K::Dimension, kLeaded, "terminal width W"},
        {Key::LeadLen, "lead_len", K::Dimension, kLeaded, "terminal length T (the foot of a gull-wing lead)"},
        {Key::SmallPitchTable, "small_pitch_table", K::Flag, kGullWing, "use the fillet goals of pitches below 0.625"},
        {Key::LeadLenH, "lead_len_H", K::Dimension, kNoLead, "terminal length of the left and right rows"},
        {Key::LeadLenV, "lead_len_V", K::Dimension, kNoLead, "terminal length of the top and bottom rows"},
        {Key::LeadToEdge, "lead_to_edge", K::Dimension, kNoLead, "pull-back of the terminals from the body edge"},
        {Key::BodyToInsideLeadEdge, "body_to_inside_lead_edge", K::Dimension, kNoLead,
         "body edge to the terminals' inner edge"},
        {Key::LeadCenterPosX, "lead_center_pos_x", K::Dimension, kNoLead,
         "package centre to the left/right terminals' centre"},
        {Key::LeadCenterPosY, "lead_center_pos_y", K::Dimension, kNoLead,
         "package centre to the top/bottom terminals' centre"},
        {Key::LeadCenterToCenterX, "lead_center_to_center_x", K::Dimension, kNoLead,
         "left terminal centre to right terminal centre"},
        {Key::LeadCenterToCenterY, "lead_center_to_center_y", K::Dimension, kNoLead,
         "top terminal centre to bottom terminal centre"},
        {Key::EpSizeX, "EP_size_x", K::Dimension, kLeaded, "exposed pad width"},
        {Key::EpSizeY, "EP_size_y", K::Dimension, kLeaded, "exposed pad height"},
        {Key::EpCenterX, "EP_center_x", K::Offset, kLeaded, "exposed pad centre right of the package centre"},
        {Key::EpCenterY, "EP_center_y", K::Offset, kLeaded, "exposed pad centre below the package centre"},
        {Key::EpSizeXOverwrite, "EP_size_x_overwrite", K::Size, kLeaded,
         "exposed pad land width a datasheet recommends"},
        {Key::EpSizeYOverwrite, "EP_size_y_overwrite", K::Size, kLeaded,
         "exposed pad land height a datasheet recommends"},
        {Key::EpMaskX, "EP_mask_x", K::Size, kLeaded, "solder-mask opening width of the exposed pad"},
        {Key::EpMaskY, "EP_mask_y", K::Size, kLeaded, "solder-mask opening height of the exposed pad"},
        {Key::EpNumPastePads, "EP_num_paste_pads", K::CountPair, kLeaded, "paste windows across x and y"},
        {Key::EpPasteCoverage, "EP_paste_coverage", K::Ratio, kLeaded, "share of the exposed pad under paste; 0.65"},
        {Key::ThermalVias, "thermal_vias", K::Vias, kLeaded, "plated vias on a grid inside the exposed pad"},
        {Key::HeelReduction, "heel_reduction", K::Allowance, kLeaded,
         "mm per side by which G is widened after rounding"},
        {Key::FabricationTolerance, "fabrication_tolerance", K::Allowance, kLeaded,
         "board fabrication tolerance F; 0.10"},
        {Key::PlacementTolerance, "placement_tolerance", K::Allowance, kLeaded, "placement tolerance P; 0.05"},
        {Key::PitchX, "pitch_x", K::Size, kBga, "ball pitch along x"},
        {Key::PitchY, "pitch_y", K::Size, kBga, "ball pitch along y"},
        {Key::Cols, "cols", K::Count, kBga, "balls across x"},
        {Key::Rows, "rows", K::Count, kBga, "balls down y"},
        {Key::PadDiameter, "pad_diameter", K::Size, kBga, "land diameter, instead of the table"},
        {Key::BallDiameter, "ball_diameter", K::Dimension, kBga, "ball diameter; its nominal picks the land"},
        {Key::BallType, "ball_type", K::BallType, kBga, "collapsible unless given"},
        {Key::MaskMargin, "mask_margin", K::Offset, kBga, "solder-mask opening beyond the land, per side"},
        {Key::PasteMargin, "paste_margin", K::Offset, kBga, "paste opening beyond the land, per side"},
    };
    return rows;
}

const std::vector<KindRow>& KeyKinds() {
    static const std::vector<KindRow> rows = {
        {KeyKind::Family, "family", "gullwing, nolead or bga"},
        {KeyKind::Density, "density", "least, nominal or most"},
        {KeyKind::Dimension, "dimension", "0.4, 6.0+-0.2, 0.31..0.51 or 4.8..4.9..5.0"},
        {KeyKind::Size, "size", "a length above 0"},
        {KeyKind::Allowance, "allowance", "a length, 0 or more"},
        {KeyKind::Offset, "offset", "a length of either sign"},
        {KeyKind::Ratio, "share", "above 0, at most 1"},
        {KeyKind::Count, "count", "a whole number"},
        {KeyKind::Flag, "flag", "true or false; the flag alone is true"},
        {KeyKind::CountPair, "pair of counts", "NxM or N,M"},
        {KeyKind::PinList, "pin list", "names and ranges as --omit takes them"},
        {KeyKind::Vias, "via object", "NxM,DRILL or NxM,DRILL,paste_avoid_via"},
        {KeyKind::BallType, "ball type", "collapsible or non-collapsible"},
    };
    return rows;
}

const KeyRow& RowOf(Key key) { return PackageKeys()[size_t(key)]; }

const KindRow& KindOf(KeyKind kind) {
    for (const KindRow& row : KeyKinds())
        if (row.kind == kind) return row;
    return KeyKinds().front();
}

const KeyRow* KeyNamed(std::string_view name) {
    for (const KeyRow& row : PackageKeys())
        if (name == row.name) return &row;
    return nullptr;
}

const KeyRow* KeyOfFlag(std::string_view flag) {
    for (const KeyRow& row : PackageKeys())
        if (flag == FlagName(row)) return &row;
    return nullptr;
}

std::string FlagName(const KeyRow& row) {
    std::string flag = std::string("--") + row.name;
    for (char& c : flag)
        if (c == '_') c = '-';
    return flag;
}

bool TakesKey(Family family, const KeyRow& row) {
    for (size_t i = 0; i < Families().size(); ++i)
        if (Families()[i].family == family) return (row.families >> i) & 1;
    return false;
}

std::string FamiliesTaking(const KeyRow& row) {
    if (row.families == kAll) return "all";
    std::string text;
    for (const FamilyRow& f : Families())
        if (TakesKey(f.family, row)) text += (text.empty() ? "" : " and ") + std::string(f.name);
    return text;
}

Result<KeyValue> ParseKeyValue(const KeyRow& row, std::string_view text) {
    const std::string_view t = Trim(text);
    switch (row.kind) {
        case KeyKind::Family: return Choice<Family>(t, row, FamilyNamed, FamilyChoices());
        case KeyKind::Density: return Choice<Density>(t, row, DensityNamed, DensityChoices());
        case KeyKind::BallType: return Choice<BallType>(t, row, BallTypeNamed, BallTypeChoices());
        case KeyKind::Dimension: {
            TRY_ASSIGN(d, ParseDimension(t, row.name));
            return KeyValue(d);
        }
        case KeyKind::Size: case KeyKind::Allowance: case KeyKind::Offset: case KeyKind::Ratio: {
            TRY_ASSIGN(v, ParseNumber(t, row.name));
            return KeyValue(v);
        }
        case KeyKind::Count: {
            TRY_ASSIGN(n, ParseCount(t, row.name, 0, kMaxCount));
            return KeyValue(n);
        }
        case KeyKind::Flag:
            if (t == "true" || t == "false") return KeyValue(t == "true");
            return Failure{Named(row, Quoted(t) + " is not true or false")};
        case KeyKind::CountPair: {
            TRY_ASSIGN(pair, ParsePair(t, row.name));
            return KeyValue(pair);
        }
        case KeyKind::PinList: return KeyValue(std::string(t));
        case KeyKind::Vias: {
            TRY_ASSIGN(vias, ParseVias(t));
            return KeyValue(vias);
        }
    }
    return Failure{Named(row, "has no form")};
}

std::string KeyValueText(const KeyValue& value) { return std::visit(ValueText{}, value); }

Status ApplyKey(PackageInput& input, const KeyRow& row, KeyValue value) {
    if (value.index() != Sample(row.kind).index())
        return Failure{Named(row, "takes a " + std::string(KindOf(row.kind).name) + " (" + KindOf(row.kind).textForm +
                                      ")")};
    TRY(CheckRange(row, value));
    if (row.key == Key::Family) {
        const Family family = std::get<Family>(value);
        if (input.family && *input.family != family)
            return Failure{std::string("family ") + FamilyName(family) + ": the package is already " +
                           FamilyName(*input.family)};
        input.family = family;
        return {};
    }
    if (!input.family) return Failure{Named(row, "comes before the family is known; give the family first")};
    if (!TakesKey(*input.family, row))
        return Failure{Named(row, std::string("does not apply to the ") + FamilyName(*input.family) +
                                      " family (only to " + FamiliesTaking(row) + ")")};
    if (input.Given(row.key)) return Failure{Named(row, "is given twice")};
    input.values[size_t(row.key)] = std::move(value);
    return {};
}

Status ApplyKeyText(PackageInput& input, std::string_view name, std::string_view text) {
    const KeyRow* row = KeyNamed(name);
    if (row == nullptr) return Failure{Quoted(name) + " is not a package key"};
    TRY_ASSIGN(value, ParseKeyValue(*row, text));
    return ApplyKey(input, *row, std::move(value));
}

}  // namespace land
