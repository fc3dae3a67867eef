// The host's extras of a footprint, done to what the plug-in stored and in the same transaction:
// the omitted pads go, a circle's pads turn to their start angle, the extra pads follow the
// arrangement's, and the whole turns about the origin. Turned pads stand on turned padstacks
// (see padstack_turner.h). With a paste split, every extra pad that is an exposed pad (one with
// a name, surface-mount copper and paste) loses its paste to windows over it (paste_apertures.h),
// which follow their pad; a footprint made from a package takes its land pattern's windows and
// mask opening over its exposed pad the same way (land_openings.h). Done again after every
// reopen, so the footprint comes out the same.
#pragma once
#include <string>
#include <vector>

#include "host/base/result.h"
#include "host/orvex/extras/footprint_extras.h"
#include "host/zelmdb/design_store.h"

// Strict for generate, whose options must each take effect: an omitted name that takes no pad
// is refused. Lenient for a reopen, after which the arrangement may hold other names: noted.
enum class ExtrasCheck { Strict, Lenient };

// The notes of a lenient check, or why the extras cannot be done to the footprint.
Result<std::vector<std::string>> ApplyExtras(zelmdb::DesignStore& store, const std::string& footprint,
                                             const FootprintExtras& extras, ExtrasCheck check);

// (x, y) turned counter-clockwise about the origin by `minutes`, rounded to whole units; exact
// for quarter turns. None when it would lie beyond 32-bit coordinates.
std::optional<std::pair<int32_t, int32_t>> TurnedPoint(int64_t x, int64_t y, int32_t minutes);
