// The parameter record of one style page: what placement and naming compute the pads from.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

enum class ArrayStyle : int32_t {
    DualQuad = 1,
    StaggerX = 2,
    StaggerY = 3,
    ChipCarrier = 4,
    Circular = 5,
    Grid = 6,
};

// One direction of the arrangement: X is the p direction, Y the q direction.
struct ArrayAxis {
    int32_t Start = 0;
    int32_t Increment = 0;
    int32_t Alphabetic = 0;
    int32_t Count = 0;
    double Spacing = 0.0;   // display units
};

// FormatFields bits, as the format check finds them.
constexpr int32_t kFormatFieldX = 0x1;
constexpr int32_t kFormatFieldY = 0x2;

// Room of NameFormat, terminating zero included.
constexpr size_t kNameFormatSize = 11;

struct ArrayParameters {
    int32_t DisplayDrill = 1;
    int32_t DisplayPadName = 1;
    std::array<char, kNameFormatSize> NameFormat{};
    int16_t RowDelta = 0;     // d: -1, 0 or 1
    int16_t AngleStep = 0;    // minutes of arc
    int32_t FormatFields = 0;
    int32_t CornerStart = 0;
    ArrayStyle Style = ArrayStyle::DualQuad;
    int32_t CrossMarkerAtPin1 = 0;
    int32_t PlusMarkerAtPin1 = 1;
    double Radius = 0.0;
    int32_t ContinueNumbering = 0;
    ArrayAxis X;
    ArrayAxis Y;
    double StaggerW = 0.0;
    double StaggerZ = 0.0;
    std::string DefaultPadstackName;
    std::string Pin1PadstackName;
    int32_t SelectingDefaultPadstack = 1;
};

// Copies a format into the record, cut to the record's room; returns false when it was cut.
inline bool SetNameFormat(ArrayParameters& params, std::string_view format) {
    const size_t count = format.size() < kNameFormatSize ? format.size() : kNameFormatSize - 1;
    params.NameFormat.fill('\0');
    format.copy(params.NameFormat.data(), count);
    return count == format.size();
}

inline std::string_view NameFormatOf(const ArrayParameters& params) {
    return std::string_view(params.NameFormat.data());
}
