// The host's extras of a footprint, done to what the plug-in stored and in the same transaction:
// each arrangement gets its names padded, its own pin padstacks and a circle's start angle; the
// arrangements after the first stand where they were asked to and join the first; the omitted
// pads go, the extra pads follow, and the whole turns about the origin. Turned pads stand on
// turned padstacks (see padstack_turner.h). With a paste split, every extra pad that is an
// exposed pad (one with a name, surface-mount copper and paste) loses its paste to windows over
// it (paste_apertures.h), which follow their pad; a footprint made from a package takes its land
// pattern's windows and mask opening over its exposed pad the same way (land_openings.h). Done
// again after every reopen, so the footprint comes out the same.
#pragma once
#include <string>
#include <vector>

#include "host/base/result.h"
#include "host/orvex/extras/footprint_extras.h"
#include "host/zelmdb/design_store.h"

// Strict for generate, whose options must each take effect: an omitted name that takes no pad
// is refused. Lenient for a reopen, after which the arrangement may hold other names: noted.
enum class ExtrasCheck { Strict, Lenient };

// What the dialog made of one arrangement: its pads in pin order and its centre, in its own
// place; and for each of its pin padstacks, in order, the padstack the dialog gave each pad when
// that padstack was the arrangement's own.
struct BuiltArrangement {
    std::vector<zelmdb::Pin> pins;
    int32_t centerX = 0, centerY = 0;
    std::vector<std::vector<int16_t>> pinPadstacks;
};

// The notes of a lenient check, or why the extras cannot be done to the footprint. `built` holds
// the first arrangement, as the plug-in stored it under the footprint's name, and then one per
// arrangement of `extras.also`; empty, the first is read from the design and nothing else is.
Result<std::vector<std::string>> ApplyExtras(zelmdb::DesignStore& store, const std::string& footprint,
                                             const FootprintExtras& extras, ExtrasCheck check,
                                             const std::vector<BuiltArrangement>& built = {});

// (x, y) turned counter-clockwise about the origin by `minutes`, rounded to whole units; exact
// for quarter turns. None when it would lie beyond 32-bit coordinates.
std::optional<std::pair<int32_t, int32_t>> TurnedPoint(int64_t x, int64_t y, int32_t minutes);
// The midpoint of the pins' places, as the dialog takes a centre; (0, 0) for none.
std::pair<int32_t, int32_t> PinsMidpoint(const std::vector<zelmdb::Pin>& pins);
// "7" as `width` digits, "007"; any name that is not digits alone stays as it is.
std::string ZeroPadded(const std::string& name, int width);
