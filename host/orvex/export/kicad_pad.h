// A padstack as one KiCad pad: copper, a paste or mask opening alone, or an unplated hole; its
// shape with KiCad's refinements (rounded or chamfered corners, a trapezoid's delta, a custom
// outline), its size and turn, and its drill, oval or offset. Millimetres, y down.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "host/base/result.h"
#include "host/orvex/export/footprint_outline.h"
#include "host/orvex/export/sexpr_writer.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/pad_kind.h"
#include "host/zelmdb/pad_layers.h"

struct KicadPad {
    std::string_view shape;
    zelmdb::PadKind kind = zelmdb::PadKind::Copper;
    bool bottom = false;
    bool paste = true;       // a copper pad's paste
    bool unplated = false;   // a hole without copper
    double width = 0, height = 0, degrees = 0, cornerRatio = 0;
    double drill = 0, drillHeight = 0;   // across and down; equal for a round drill
    Point drillOffset;                   // the drill's centre from the copper's, in the pad's frame as written
    double chamferRatio = 0;
    uint8_t chamferCorners = 0;
    double deltaX = 0, deltaY = 0;   // KiCad's rect_delta
    std::vector<Point> outline;      // a custom pad's, in the pad's frame as written
    double anchor = 0;               // the custom pad's anchor circle, which lies inside the outline
    double maskMargin = 0, pasteMargin = 0;   // the openings beyond the copper, per side

    bool Thru() const { return drill > 0; }
};

// The pads of one design's padstacks, each worked out once.
class KicadPads {
public:
    explicit KicadPads(zelmdb::DesignStore& store)
        : store_(store), layers_(store), mmPerUnit_(store.info().inchesPerUnit * 25.4) {}
    // Refuses a padstack the design lacks or a pad KiCad cannot show.
    Result<KicadPad> Of(int16_t padstackId);

private:
    Result<KicadPad> Make(const zelmdb::Padstack& stack, const std::string& name);
    double Mm(int64_t units) const { return double(units) * mmPerUnit_; }

    zelmdb::DesignStore& store_;
    zelmdb::PadLayers layers_;
    double mmPerUnit_;
    std::map<int16_t, KicadPad> pads_;
};

// The pad's copper (or hole) centred on (x, y), as turned: its drill stands at its offset from there.
Box KicadPadBox(double x, double y, const KicadPad& pad);
// Where the pad's hole stands from its copper's centre, as turned: where KiCad places the pad.
Point KicadPadHole(const KicadPad& pad);
void WriteKicadPad(SexprWriter& w, const std::string& number, double x, double y, const KicadPad& pad);
