// What a padstack's pad is: copper, or an opening in the solder paste or the solder mask alone
// (a paste window over an exposed pad, a mask opening for a fiducial), named once with the
// layers each stands on.
#pragma once
#include <cstdint>
#include <string_view>

namespace zelmdb {

enum class PadKind : uint8_t { Copper, Paste, Mask };

struct PadKindName {
    PadKind kind;
    const char* option;      // on orvex's command line
    const char* layers[2];   // the design's layer names, top and bottom
    const char* kicad;       // the KiCad layer after "F." or "B."
};
// Copper stands on layers 1 and 2 of every record; the others on the layers a design names so.
inline constexpr PadKindName PadKindNames[] = {
    {PadKind::Copper, "copper", {"TOP", "BOT"}, "Cu"},
    {PadKind::Paste, "paste", {"SPT", "SPB"}, "Paste"},
    {PadKind::Mask, "mask", {"SMT", "SMB"}, "Mask"},
};

constexpr const PadKindName& PadKindNamed(PadKind kind) {
    for (const PadKindName& row : PadKindNames)
        if (row.kind == kind) return row;
    return PadKindNames[0];
}
constexpr const PadKindName* PadKindOption(std::string_view option) {
    for (const PadKindName& row : PadKindNames)
        if (option == row.option) return &row;
    return nullptr;
}

}  // namespace zelmdb
