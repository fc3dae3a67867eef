// Fuzzes the package keys as a batch or the command line hands them over: the first line is a
// dimension text, every further line KEY=VALUE; or, from a "{", a batch entry's JSON package
// object. Whatever the bytes, a dimension is in order or refused, a key is set or refused with a
// message, a pattern that is computed has lands of real size apart from each other's rows, inside
// its courtyard, and the pads a JSON package's footprint would hold are its pins, the exposed pad
// and its vias, each with a name the dialog or the host gives it, and the pad's openings.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/land/compute.h"
#include "host/land/exposed_pad.h"
#include "host/land/package_keys.h"
#include "host/land/pad_places.h"
#include "host/orvex/extras/land_openings.h"
#include "host/orvex/requests/package_layout.h"
#include "host/orvex/text/json_reader.h"

namespace {

void Check(bool holds) {
    if (!holds) __builtin_trap();
}

void CheckDimension(const std::string& text) {
    const Result<land::Dimension> d = land::ParseDimension(text, "lead_width");
    if (!d.ok()) return Check(!d.error().empty());
    const land::Dimension& v = d.value();
    Check(std::isfinite(v.min) && std::isfinite(v.max) && v.min >= 0 && v.min <= v.nominal && v.nominal <= v.max &&
          v.max <= land::kMaxLengthMm);
}

bool Within(const land::Rect& r, const land::Courtyard& c) {
    return r.Left() >= c.x1 - 0.006 && r.Right() <= c.x2 + 0.006 && r.Top() >= c.y1 - 0.006 && r.Bottom() <= c.y2 + 0.006;
}

land::Rect RectOf(const land::PadPlace& p) { return {p.x, p.y, p.w, p.h}; }

// How far apart two rectangles stand along the axis that parts them; negative where they overlap.
double Gap(const land::Rect& a, const land::Rect& b) {
    return std::max(std::max(a.Left() - b.Right(), b.Left() - a.Right()),
                    std::max(a.Top() - b.Bottom(), b.Top() - a.Bottom()));
}

void CheckPattern(const land::LandPattern& p) {
    const land::Courtyard& c = p.courtyard;
    Check(c.x1 < c.x2 && c.y1 < c.y2);
    for (const land::RowPairLands* pair : {&p.rowX, &p.rowY}) {
        if (!pair->present) continue;
        Check(pair->landLength > 0 && pair->landWidth > 0 && pair->gLand > 0 && std::isfinite(pair->span));
        Check(pair->corner.radius <= 0.25 + 1e-12 && pair->corner.ratio <= 0.25 + 1e-12);
    }
    if (p.ep.present) {
        Check(Within(p.ep.land.rect, c));
        Check(p.ep.pasteCoverageReached <= p.ep.pasteCoverage + 1e-9);
        for (const land::Land& w : p.ep.paste)
            Check(w.rect.w > 0 && w.rect.Left() >= p.ep.land.rect.Left() - 1e-9 &&
                  w.rect.Right() <= p.ep.land.rect.Right() + 1e-9);
    }
    const double count = p.family == land::Family::Bga ? double(p.ball.cols) * p.ball.rows
                                                        : 2.0 * (p.rowX.pinsPerRow + p.rowY.pinsPerRow);
    if (count > 20000) return;
    const std::vector<land::PadPlace> pins = land::PadPlaces(p);
    for (size_t i = 0; i < pins.size(); ++i) {
        const land::Rect a = RectOf(pins[i]);
        Check(std::isfinite(a.cx) && std::isfinite(a.cy) && a.w > 0 && a.h > 0);
        if (p.family == land::Family::Bga) continue;
        Check(Within(a, c));
        if (p.ep.present) Check(Gap(a, p.ep.land.rect) >= land::kEpClearance - 1e-9);
        // Lands of one row are a pitch apart; of two rows, they must not meet at the corners.
        for (size_t j = i + 1; j < pins.size() && pins.size() <= 400; ++j)
            if (pins[j].row != pins[i].row) Check(Gap(a, RectOf(pins[j])) >= 0);
    }
}

// The footprint's pads: one per position left, the exposed pad and its vias, and without a name
// the pad's paste windows and mask opening; every extra pad the host adds is one of them.
void CheckLayout(const PackageRequest& package) {
    const land::LandPattern& p = package.pattern;
    if (package.positions.size() > 4000) return;
    const PackageLayout l = LayoutOf(package);
    size_t left = 0;
    for (size_t i = 0; i < package.positions.size(); ++i) left += package.hidden[i] || package.deleted[i] ? 0 : 1;
    const size_t openings =
        p.ep.present ? p.ep.paste.size() + (OwnMaskOpening(p.ep.land.rect, p.ep.mask) ? 1 : 0) : 0;
    Check(l.pins.size() == left + (p.ep.present ? 1 + p.ep.vias.size() : 0) + openings);
    size_t unnamed = 0;
    for (const LandPin& pin : l.pins) {
        unnamed += pin.name.empty() ? 1 : 0;
        Check(std::isfinite(pin.x) && std::isfinite(pin.y) && pin.w > 0 && pin.h > 0);
    }
    Check(unnamed == openings);
    for (const PlannedPad& pad : l.extras)
        Check(std::any_of(l.pins.begin(), l.pins.end(), [&](const LandPin& pin) { return pin.name == pad.name; }));
    Check(!l.style.empty() && l.land.width > 0 && l.land.height > 0);
}

void CheckJsonPackage(const uint8_t* data, size_t size) {
    const Result<JsonValue> json = ReadJson(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!json.ok()) return;
    const Result<PackageRequest> package = PackageFromJson(json.value());
    if (!package.ok()) return Check(!package.error().empty());
    CheckPattern(package.value().pattern);
    CheckLayout(package.value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 0 && data[0] == '{') {
        CheckJsonPackage(data, size);
        return 0;
    }
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') lines.emplace_back();
        else lines.back() += char(data[i]);
    }
    CheckDimension(lines[0]);
    land::PackageInput input;
    for (size_t i = 1; i < lines.size(); ++i) {
        const size_t equals = lines[i].find('=');
        if (equals == std::string::npos) continue;
        const Status applied = land::ApplyKeyText(input, lines[i].substr(0, equals), lines[i].substr(equals + 1));
        Check(applied.ok() || !applied.error().empty());
    }
    const Result<land::LandPattern> pattern = land::Compute(input);
    if (!pattern.ok()) {
        Check(!pattern.error().empty());
        return 0;
    }
    CheckPattern(pattern.value());
    return 0;
}
