// What the host keeps with a footprint beside the plug-in's own record: what it adds to the
// arrangement and takes from it (the body, extra pads and their paste split, omitted pads, a
// turn, a circle's start angle), the generate options the dialog was fed and, for a footprint
// made from a package, its land pattern. One JSON object per footprint under the host's owner
// name, with a version.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/base/result.h"
#include "host/orvex/extras/land_record.h"
#include "host/zelmdb/design_store.h"

class JsonWriter;

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

// Options as generate names them, without "--", in the order given; a flag has no value.
using OptionList = std::vector<std::pair<std::string, std::optional<std::string>>>;

// Pads of an arrangement that stand on a padstack of their own instead of the dialog's: names
// and ranges as --omit takes them.
struct PinPadstack {
    std::vector<std::string> pins;
    std::string padstack;
    bool operator==(const PinPadstack&) const = default;
};

// What the host does to one arrangement before it joins the others.
struct ArrangementShape {
    int32_t startAngle = 0;   // minutes: where a circle's pin 1 stands
    int nameWidth = 0;        // numeric names padded with zeros to this many digits; 0 leaves them
    std::vector<PinPadstack> pinPadstacks;
    bool operator==(const ArrangementShape&) const = default;
    bool Shapes() const { return startAngle != 0 || nameWidth != 0 || !pinPadstacks.empty(); }
};

// One more arrangement of the footprint: the dialog makes it from its options, and the host
// joins its pads to the first arrangement's.
struct AlsoArrangement {
    OptionList madeFrom;    // generate's options for it, style first
    int32_t x = 0, y = 0;   // database units: its centre from the first arrangement's, or its
                            // origin from the first's origin, as the footprint's PadsAbout says
    bool shareNames = false;   // its pads may take names another arrangement's pads have
    ArrangementShape shape;
    bool operator==(const AlsoArrangement&) const = default;
};

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
    PadsAbout padsAbout = PadsAbout::Center;   // for the extra pads and the other arrangements
    std::vector<std::string> omit;   // pad names and ranges of names, as given
    int32_t turn = 0;                // minutes, counter-clockwise about the origin: a quarter turn's multiple
    ArrangementShape shape;          // of the first arrangement, the one the dialog reopens
    std::vector<AlsoArrangement> also;
    // Splits the paste of each extra pad that is an exposed pad (see extras_applier.h).
    std::optional<PasteSplit> epPaste;
    // generate's options as given to the dialog, style first, flags without a value; none for a
    // footprint made or last edited in the dialog.
    OptionList madeFrom;
    std::optional<LandRecord> land;   // the package the footprint was made from, and its lands

    // Whether the extras change the footprint the plug-in stored.
    bool ChangesFootprint() const {
        return !pads.empty() || !omit.empty() || turn != 0 || shape.Shapes() || !also.empty() || epPaste;
    }
};

// The owner name of the host's records among the plug-in records of a design.
extern const char* const kHostRecordOwner;
// 2: extra pads, omitted pads, turn and start angle. 3: more arrangements, pins on padstacks of
// their own, zero-padded names, the exposed pad's paste split. 4: the land pattern. A record is
// written as the oldest version that holds all it has, which older versions of orvex read.
constexpr int kExtrasVersion = 4;
constexpr double kMaxBodyMm = 1000;
constexpr int kMaxNameWidth = 16;
constexpr int32_t kQuarterTurn = 5400, kFullTurn = 21600;   // minutes of arc

// "WxH" in millimetres, both above 0.
Result<BodySize> ParseBody(const std::string& text);
const char* PadsAboutName(PadsAbout about);
// "NxM" or "NxM@COVERAGE": N and M windows from 1 to kMaxPasteWindows, the share above 0 and at
// most 1 (0.65 when not given).
Result<PasteSplit> ParsePasteSplit(const std::string& text);
// The split that lays a package's paste windows on its exposed pad again: as many columns and
// rows, the share they reached; none for a pad without windows.
std::optional<PasteSplit> PasteSplitOf(const LandEpRecord& ep);
// "3x3@0.65", which ParsePasteSplit reads back.
std::string PasteSplitText(const PasteSplit& split);
std::optional<PadsAbout> PadsAboutNamed(const std::string& name);

// "--pad NAME" as messages name an extra pad, in UTF-8, an empty name quoted.
std::string ExtraPadLabel(const std::string& name);
// How messages name the arrangements after the first: "--also 1" for the second.
std::string AlsoLabel(size_t index);
// "1-5,9=END" as --pin-padstack takes it.
std::string PinPadstackText(const PinPadstack& pins);
// The options as a shell would take them back: "--style grid --p 3 --alphabet \"\"".
std::string OptionListText(const OptionList& options);
// The extras as generate's options in the design's display unit ("--pad 33 0 0 EP --omit E5-H8
// --turn 180"); empty when it does nothing. Beyond `mostPads` extra pads, the rest are counted.
std::string ExtrasOptionText(const FootprintExtras& extras, const zelmdb::DesignInfo& design,
                             size_t mostPads = SIZE_MAX);

std::string EncodeExtras(const FootprintExtras& extras);
// The record as one JSON object, as EncodeExtras writes it: for show --json.
void WriteExtras(JsonWriter& j, const FootprintExtras& extras);
// Refuses what this version did not write: other JSON, a newer version, unknown members.
Result<FootprintExtras> DecodeExtras(std::string_view bytes);

// The footprint's extras; none stored reads as empty extras.
Result<FootprintExtras> LoadExtras(zelmdb::DesignStore& store, const std::string& footprint);
Status SaveExtras(zelmdb::DesignStore& store, const std::string& footprint, const FootprintExtras& extras);
