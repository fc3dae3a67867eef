// "orvex padstack add" and "padstack list": padstacks of a design or a library.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "host/orvex/text/arg_list.h"
#include "host/orvex/commands/command_table.h"
#include "host/orvex/text/display_length.h"
#include "host/orvex/text/number_parser.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/unit_table.h"

namespace {

struct ShapeName {
    const char* name;
    uint8_t code;
    uint16_t cornerRatio;   // what the shape rounds its corners by unless --corner-ratio says
};
// A rounded rectangle is a rectangle to the plug-in; its corners are the host's own property.
// A hole has no copper at all: an unplated hole, for a mounting peg or a screw.
constexpr uint8_t HoleCode = 0;
const ShapeName Shapes[] = {{"round", 1, 0}, {"square", 2, 0}, {"oblong", 3, 0}, {"rect", 4, 0},
                            {"roundrect", 4, zelmdb::CornerRatioScale / 4}, {"hole", HoleCode, 0}};

bool Rectangular(uint8_t code) { return code == 2 || code == 4; }

struct PadShape {
    uint8_t code = 0;
    uint16_t cornerRatio = 0;
};

constexpr int TopLayer = 1;
constexpr int BottomLayer = 2;

Result<uint16_t> CornerRatio(const std::string& text, uint8_t code) {
    using R = Result<uint16_t>;
    auto r = number_parser::Real(text, "corner ratio");
    if (!r.ok()) return R::Fail(r.error());
    if (!Rectangular(code)) return R::Fail("--corner-ratio rounds square and rectangular pads only");
    if (!(r.value() > 0 && r.value() <= 0.5))
        return R::Fail("corner ratio " + text + " is not above 0 and at most 0.5 (half the shorter side)");
    const auto ratio = uint16_t(std::lround(r.value() * zelmdb::CornerRatioScale));
    if (ratio == 0) return R::Fail("corner ratio " + text + " is below the smallest step, 0.0001");
    return ratio;
}

Result<PadShape> ShapeOf(const ArgList& a) {
    using R = Result<PadShape>;
    const auto shape = a.Value("--shape");
    const auto code = a.Value("--shape-code");
    if (shape && code) return R::Fail("give --shape or --shape-code, not both");
    std::optional<PadShape> pad;
    if (code) {
        auto n = number_parser::Integer(*code, "shape code", 1, 255);
        if (!n.ok()) return R::Fail(n.error());
        pad = PadShape{uint8_t(n.value()), 0};
    } else if (!shape) {
        return R::Fail("padstack add needs --shape (round, square, oblong, rect, roundrect, hole) or --shape-code N");
    }
    for (const auto& s : Shapes) {
        if (shape && *shape == s.name) pad = PadShape{s.code, s.cornerRatio};
    }
    if (!pad) return R::Fail("unknown shape '" + *shape + "' (round, square, oblong, rect, roundrect, hole, or --shape-code N)");
    const auto ratio = a.Value("--corner-ratio");
    if (!ratio) return *pad;
    auto r = CornerRatio(*ratio, pad->code);
    if (!r.ok()) return R::Fail(r.error());
    pad->cornerRatio = r.value();
    return *pad;
}

// A hole's size is its drill's; a pad's is its own.
std::string HoleRefusal(const ArgList& a, uint8_t code) {
    if (code != HoleCode) return "";
    for (const char* option : {"--width", "--height", "--rotation", "--side", "--no-paste"})
        if (a.Value(option) || a.Has(option)) return std::string("a hole has no pad: ") + option + " does not apply; give --drill";
    return a.Value("--drill") ? "" : "a hole needs --drill";
}

Result<int32_t> Size(const ArgList& a, const char* option, const char* what, bool required,
                             const zelmdb::DesignInfo& info) {
    using R = Result<int32_t>;
    const auto text = a.Value(option);
    if (!text) return required ? R::Fail(std::string("padstack add needs ") + option) : R(0);
    const zelmdb::UnitInfo* unit = zelmdb::UnitByCode(info.unitCode);
    auto v = number_parser::Length(*text, what, unit ? unit->inchesPerUnit : info.inchesPerUnit,
                                   info.inchesPerUnit);
    if (!v.ok()) return v;
    if (v.value() < 0 || (required && v.value() == 0)) {
        return R::Fail(std::string(what) + " " + *text + (required ? " must be more than 0" : " must not be negative"));
    }
    return v;
}

}  // namespace

int RunPadstackAdd(CommandContext& context) {
    const char* usage = Commands()[1].usage;
    auto args = ArgList::Parse(context.words,
                               {"--shape", "--shape-code", "--width", "--height", "--drill",
                                "--rotation", "--side", "--corner-ratio"},
                               {"--no-paste"});
    if (!args.ok()) return Refuse(args.error() + "\nusage: orvex " + usage, ExitUsage);
    const ArgList& a = args.value();
    if (a.positional().size() != 2) return Refuse(std::string("usage: orvex ") + usage, ExitUsage);
    const std::string& file = a.positional()[0];
    const std::string& name = a.positional()[1];
    if (name.empty() || name.size() >= zelmdb::TextMax) {
        return Refuse("padstack name must have 1 to " + std::to_string(zelmdb::TextMax - 1) + " characters");
    }
    auto shape = ShapeOf(a);
    if (!shape.ok()) return Refuse(shape.error());
    const bool holeOnly = shape.value().code == HoleCode;
    if (std::string why = HoleRefusal(a, shape.value().code); !why.empty()) return Refuse(why);
    const std::string side = a.Value("--side").value_or("top");
    if (side != "top" && side != "bottom") return Refuse("side '" + side + "' is neither top nor bottom");
    int16_t rotation = 0;
    if (auto text = a.Value("--rotation")) {
        auto deg = number_parser::Real(*text, "rotation");
        if (!deg.ok()) return Refuse(deg.error());
        if (deg.value() < -360 || deg.value() > 360) return Refuse("rotation " + *text + " is outside -360 to 360 degrees");
        rotation = int16_t(std::lround(deg.value() * 60));
    }

    auto opened = zelmdb::DesignStore::Open(file, zelmdb::DesignStore::Access::ReadWrite,
                                            zelmdb::DesignStore::Sharing::Exclusive);
    if (!opened.ok()) return Refuse(opened.error());
    zelmdb::DesignStore& store = *opened.value();
    const zelmdb::DesignInfo& info = store.info();
    auto width = Size(a, "--width", "width", !holeOnly, info);
    auto height = Size(a, "--height", "height", !holeOnly, info);
    auto drill = Size(a, "--drill", "drill", holeOnly, info);
    for (const auto* r : {&width, &height, &drill}) {
        if (!r->ok()) return Refuse(r->error());
    }
    if (!holeOnly && drill.value() > std::min(width.value(), height.value())) {
        return Refuse("drill " + *a.Value("--drill") + " is larger than the pad (" + *a.Value("--width") + " x " +
                      *a.Value("--height") + "); a drill must fit inside its pad");
    }
    if (store.FindPadstack(name) != 0) return Refuse("padstack " + name + " already exists in " + file);

    zelmdb::Padstack p;
    p.layers.resize(size_t(info.layerCount));
    zelmdb::LayerGeometry& pad = p.layers[size_t((side == "top" ? TopLayer : BottomLayer) - 1)];
    pad.width1 = width.value();
    pad.height1 = height.value();
    pad.shape = shape.value().code;
    pad.cornerRatio = shape.value().cornerRatio;
    pad.hostFlags = a.Has("--no-paste") ? zelmdb::NoPasteFlag : 0;
    pad.rotation = rotation;
    if (drill.value() > 0) {
        zelmdb::LayerGeometry& hole = p.layers[size_t(zelmdb::DrillLayer - 1)];
        hole.width1 = drill.value();
        hole.height1 = drill.value();
        hole.shape = 1;   // a drill is round
    }
    if (!store.Begin()) return Refuse(store.LastError());
    p.id = store.NewPadstack();
    p.nameId = store.NameCreate(name);
    if (p.id == 0 || p.nameId == 0 || !store.PutPadstack(p) || !store.Commit()) {
        const std::string why = store.FailedWrites().empty() ? store.LastError() : store.FailedWrites().front();
        store.Rollback();
        return Refuse((why.empty() ? file : why) + ": the padstack was NOT stored");
    }
    std::printf("%s: padstack %d %s\n", file.c_str(), p.id, name.c_str());
    return ExitOk;
}

int RunPadstackList(CommandContext& context) {
    auto args = ArgList::Parse(context.words, {}, {});
    if (!args.ok() || args.value().positional().size() != 1) {
        return Refuse(std::string("usage: orvex ") + Commands()[2].usage, ExitUsage);
    }
    const std::string& file = args.value().positional()[0];
    auto opened = zelmdb::DesignStore::Open(file, zelmdb::DesignStore::Access::ReadOnly,
                                            zelmdb::DesignStore::Sharing::Shared);
    if (!opened.ok()) return Refuse(opened.error());
    zelmdb::DesignStore& store = *opened.value();
    const zelmdb::DesignInfo& info = store.info();
    for (const auto& p : store.Padstacks()) {
        const std::string name = store.NameText(p.nameId).value_or("");
        std::printf("%d %s", p.id, name.c_str());
        for (size_t i = 0; i < p.layers.size(); ++i) {
            const zelmdb::LayerGeometry& l = p.layers[i];
            if (l.shape == 0 || int(i + 1) == zelmdb::DrillLayer) continue;
            std::printf("  layer %zu shape %d %s x %s rot %.2f", i + 1, l.shape,
                        DisplayLength(int64_t(l.width1) + l.width2, info, false).c_str(),
                        DisplayLength(int64_t(l.height1) + l.height2, info, false).c_str(), l.rotation / 60.0);
            if (l.cornerRatio != 0) std::printf(" corner %.4g", double(l.cornerRatio) / zelmdb::CornerRatioScale);
            if (l.hostFlags & zelmdb::NoPasteFlag) std::printf(" no paste");
        }
        const zelmdb::LayerGeometry& hole = p.layers[size_t(zelmdb::DrillLayer - 1)];
        std::printf("  drill %s\n", DisplayLength(int64_t(hole.width1) + hole.width2, info, false).c_str());
    }
    return ExitOk;
}
