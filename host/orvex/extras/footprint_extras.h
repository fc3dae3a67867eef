// What the host keeps with a footprint beside the plug-in's own record: what it adds to the
// arrangement and takes from it (the body, extra pads, omitted pads, a turn, a circle's start
// angle), the generate options the dialog was fed and, for a footprint made from a package, its
// land pattern. One JSON object per footprint under the host's owner name, with a version.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/base/result.h"
#include "host/orvex/extras/land_record.h"
#include "host/zelmdb/design_store.h"

// The package body, in millimetres.
struct BodySize {
    double width = 0;
    double height = 0;
};

// A pad beside the arrangement: an exposed pad, a mounting hole. An empty name is a
// mechanical pad; a padstack with a drill and no copper an unplated hole.
struct ExtraPad {
    std::string name;
    int32_t x = 0, y = 0;   // database units from the array's origin or centre
    std::string padstack;
    bool operator==(const ExtraPad&) const = default;
};

enum class PadsAbout { Center, Origin };

// The paste of an exposed pad split into windows, `across` by `down`, that together cover
// `coverage` of the pad.
struct PasteSplit {
    int across = 0, down = 0;
    double coverage = 0.65;
    bool operator==(const PasteSplit&) const = default;
};
constexpr int kMaxPasteWindows = 20;   // each way

struct FootprintExtras {
    std::optional<BodySize> body;
    std::vector<ExtraPad> pads;
    PadsAbout padsAbout = PadsAbout::Center;
    std::vector<std::string> omit;   // pad names and ranges of names, as given
    int32_t turn = 0;                // minutes, counter-clockwise about the origin: a quarter turn's multiple
    int32_t startAngle = 0;          // minutes: where a circle's pin 1 stands
    // Splits the paste of each extra pad that is an exposed pad (see extras_applier.h).
    std::optional<PasteSplit> epPaste;
    // generate's options as given to the dialog, style first, flags without a value; none for a
    // footprint made or last edited in the dialog.
    std::vector<std::pair<std::string, std::optional<std::string>>> madeFrom;
    std::optional<LandRecord> land;   // the package the footprint was made from, and its lands

    // Whether the extras change the footprint the plug-in stored.
    bool ChangesFootprint() const { return !pads.empty() || !omit.empty() || turn != 0 || startAngle != 0 || epPaste; }
};

// The owner name of the host's records among the plug-in records of a design.
extern const char* const kHostRecordOwner;
// 2: extra pads, omitted pads, turn and start angle. 3: the exposed pad's paste split. 4: the land
// pattern. A record without one is written as 3, which an orvex of before reads as well.
constexpr int kExtrasVersion = 4;
constexpr int kExtrasVersionWithoutLand = 3;
constexpr double kMaxBodyMm = 1000;
constexpr int32_t kQuarterTurn = 5400, kFullTurn = 21600;   // minutes of arc

// "WxH" in millimetres, both above 0.
Result<BodySize> ParseBody(const std::string& text);
const char* PadsAboutName(PadsAbout about);
// "NxM" or "NxM@COVERAGE": N and M windows from 1 to kMaxPasteWindows, the share above 0 and at
// most 1 (0.65 when not given).
Result<PasteSplit> ParsePasteSplit(const std::string& text);
// "3x3@0.65", which ParsePasteSplit reads back.
std::string PasteSplitText(const PasteSplit& split);
std::optional<PadsAbout> PadsAboutNamed(const std::string& name);

// "--pad NAME" as messages name an extra pad, an empty name quoted.
std::string ExtraPadLabel(const std::string& name);
// The extras as generate's options in the design's display unit
// ("--pad 33 0 0 EP --omit E5-H8 --turn 180"); empty when it does nothing.
std::string ExtrasOptionText(const FootprintExtras& extras, const zelmdb::DesignInfo& design);

std::string EncodeExtras(const FootprintExtras& extras);
// Refuses what this version did not write: other JSON, a newer version, unknown members.
Result<FootprintExtras> DecodeExtras(std::string_view bytes);

// The footprint's extras; none stored reads as empty extras.
Result<FootprintExtras> LoadExtras(zelmdb::DesignStore& store, const std::string& footprint);
Status SaveExtras(zelmdb::DesignStore& store, const std::string& footprint, const FootprintExtras& extras);
