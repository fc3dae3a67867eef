// What a person tells about a package: its family and the values of the keys given, as the
// datasheet prints them. The key table (package_keys.h) fills it; Compute reads it.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <variant>

#include "host/land/ball_lands.h"
#include "host/land/dimension.h"
#include "host/land/package_names.h"

namespace land {

// Every key, in the order of the key table.
enum class Key {
    Family, Density, Pitch, NumPinsX, NumPinsY, BodySizeX, BodySizeY, HiddenPins, DeletedPins,
    OverallSizeX, OverallSizeY, LeadWidth, LeadLen, SmallPitchTable,
    LeadLenH, LeadLenV, LeadToEdge, BodyToInsideLeadEdge, LeadCenterPosX, LeadCenterPosY,
    LeadCenterToCenterX, LeadCenterToCenterY,
    EpSizeX, EpSizeY, EpCenterX, EpCenterY, EpSizeXOverwrite, EpSizeYOverwrite, EpMaskX, EpMaskY,
    EpNumPastePads, EpPasteCoverage, ThermalVias,
    HeelReduction, FabricationTolerance, PlacementTolerance,
    PitchX, PitchY, Cols, Rows, PadDiameter, BallDiameter, BallType, MaskMargin, PasteMargin,
    Count_
};
constexpr size_t kKeyCount = size_t(Key::Count_);

// Paste windows across x and y.
struct CountPair {
    int x = 1, y = 1;
    static Result<CountPair> Make(int x, int y, std::string_view key);
    bool operator==(const CountPair&) const = default;
};

// Plated vias on a grid inside the exposed pad.
struct ViaGrid {
    int x = 1, y = 1;
    double drill = 0;
    bool pasteAvoidVia = false;
    static Result<ViaGrid> Make(int x, int y, double drill, bool pasteAvoidVia);
    bool operator==(const ViaGrid&) const = default;
};

// One key's value: the alternative its kind holds; monostate where the key was not given.
// A plain length (a pitch, a margin, a coverage share) is a double.
using KeyValue = std::variant<std::monostate, Dimension, double, int, bool, CountPair, std::string, ViaGrid,
                              Family, Density, land::BallType>;

struct PackageInput {
    std::optional<land::Family> family;
    std::array<KeyValue, kKeyCount> values;
    // Positions deleted_pins closes up, once the host has read the list: the exposed pad is
    // numbered after the last pin that is left.
    int deletedCount = 0;

    template <class T>
    const T* Get(Key key) const { return std::get_if<T>(&values[size_t(key)]); }
    bool Given(Key key) const { return !std::holds_alternative<std::monostate>(values[size_t(key)]); }
    template <class T>
    T Or(Key key, T fallback) const {
        const T* v = Get<T>(key);
        return v ? *v : fallback;
    }
};

}  // namespace land
