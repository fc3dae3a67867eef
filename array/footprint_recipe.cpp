// The recipe record: a magic word and version, then tables of fields at fixed offsets, read and
// written through ByteRecord so the layout never depends on how the compiler packs a struct.
#include "array/footprint_recipe.h"

#include <cmath>
#include <cstring>

#include "array/unit_table.h"
#include "array/units_limits.h"
#include "host/zelmdb/byte_record.h"

std::optional<FootprintRecipe> ReopenRecipe;

namespace {

using Recipe = FootprintRecipe;

constexpr uint32_t kMagic = 0x50435254;   // "TRCP"
constexpr uint16_t kVersion = 1;
constexpr size_t kMagicAt = 0, kVersionAt = 4, kStyleAt = 6;

struct IntField {
    int32_t& (*field)(Recipe&);
    int32_t lower, upper;
};

constexpr int32_t kAny = 0x7FFFFFFF;
constexpr int32_t kCount = PADS_PER_SYMBOL_LIMIT;

const IntField kInts[] = {
    {[](Recipe& r) -> int32_t& { return r.Parameters.DisplayDrill; }, 0, 1},
    {[](Recipe& r) -> int32_t& { return r.Parameters.DisplayPadName; }, 0, 1},
    {[](Recipe& r) -> int32_t& { return r.Parameters.FormatFields; }, 0, 3},
    {[](Recipe& r) -> int32_t& { return r.Parameters.CornerStart; }, 0, 1},
    {[](Recipe& r) -> int32_t& { return r.Parameters.CrossMarkerAtPin1; }, 0, 1},
    {[](Recipe& r) -> int32_t& { return r.Parameters.PlusMarkerAtPin1; }, 0, 1},
    {[](Recipe& r) -> int32_t& { return r.Parameters.ContinueNumbering; }, 0, 1},
    {[](Recipe& r) -> int32_t& { return r.Parameters.X.Start; }, -kAny, kAny},
    {[](Recipe& r) -> int32_t& { return r.Parameters.X.Increment; }, -kAny, kAny},
    {[](Recipe& r) -> int32_t& { return r.Parameters.X.Alphabetic; }, 0, 1},
    {[](Recipe& r) -> int32_t& { return r.Parameters.X.Count; }, 0, kCount},
    {[](Recipe& r) -> int32_t& { return r.Parameters.Y.Start; }, -kAny, kAny},
    {[](Recipe& r) -> int32_t& { return r.Parameters.Y.Increment; }, -kAny, kAny},
    {[](Recipe& r) -> int32_t& { return r.Parameters.Y.Alphabetic; }, 0, 1},
    {[](Recipe& r) -> int32_t& { return r.Parameters.Y.Count; }, 0, kCount},
    {[](Recipe& r) -> int32_t& { return r.P; }, 1, kCount},
    {[](Recipe& r) -> int32_t& { return r.Q; }, 1, kCount},
    {[](Recipe& r) -> int32_t& { return r.XStart; }, -kAny, kAny},
    {[](Recipe& r) -> int32_t& { return r.XIncrement; }, -kAny, kAny},
    {[](Recipe& r) -> int32_t& { return r.YStart; }, -kAny, kAny},
    {[](Recipe& r) -> int32_t& { return r.YIncrement; }, -kAny, kAny},
    {[](Recipe& r) -> int32_t& { return r.D; }, -1, 1},
};
constexpr size_t kIntsAt = 8;
constexpr size_t kIntCount = sizeof kInts / sizeof kInts[0];

constexpr size_t kRowDeltaAt = kIntsAt + 4 * kIntCount;
constexpr size_t kAngleStepAt = kRowDeltaAt + 2;

double& (*const kDoubles[])(Recipe&) = {
    [](Recipe& r) -> double& { return r.Parameters.Radius; },
    [](Recipe& r) -> double& { return r.Parameters.X.Spacing; },
    [](Recipe& r) -> double& { return r.Parameters.Y.Spacing; },
    [](Recipe& r) -> double& { return r.Parameters.StaggerW; },
    [](Recipe& r) -> double& { return r.Parameters.StaggerZ; },
    [](Recipe& r) -> double& { return r.X; },
    [](Recipe& r) -> double& { return r.Y; },
    [](Recipe& r) -> double& { return r.W; },
    [](Recipe& r) -> double& { return r.Z; },
    [](Recipe& r) -> double& { return r.R; },
};
constexpr size_t kDoublesAt = kAngleStepAt + 2;
constexpr size_t kDoubleCount = sizeof kDoubles / sizeof kDoubles[0];
// Far beyond any unit's size limit, and still well inside what the placement computes with.
constexpr double kDoubleLimit = 1e9;

constexpr size_t kNameFormatAt = kDoublesAt + 8 * kDoubleCount;
constexpr size_t kLettersAt = kNameFormatAt + 12;
constexpr size_t kLetterCount = 26;

struct TextField {
    std::string& (*field)(Recipe&);
    size_t room;   // terminating zero included
};
constexpr TextField kTexts[] = {
    {[](Recipe& r) -> std::string& { return r.AngleText; }, 32},
    {[](Recipe& r) -> std::string& { return r.Parameters.DefaultPadstackName; }, 256},
    {[](Recipe& r) -> std::string& { return r.Parameters.Pin1PadstackName; }, 256},
};
constexpr size_t kTextsAt = kLettersAt + 28;

constexpr size_t RecordSize() {
    size_t size = kTextsAt;
    for (const TextField& text : kTexts) size += text.room;
    return size;
}

bool Terminated(const uint8_t* bytes, size_t room) { return std::memchr(bytes, 0, room) != nullptr; }

bool ReadNumbers(const zelmdb::ByteRecord& r, Recipe& recipe) {
    for (size_t i = 0; i < kIntCount; ++i) {
        const int32_t value = r.I32(kIntsAt + 4 * i);
        if (value < kInts[i].lower || value > kInts[i].upper) return false;
        kInts[i].field(recipe) = value;
    }
    recipe.Parameters.RowDelta = r.I16(kRowDeltaAt);
    recipe.Parameters.AngleStep = r.I16(kAngleStepAt);
    if (recipe.Parameters.RowDelta < -1 || recipe.Parameters.RowDelta > 1) return false;
    for (size_t i = 0; i < kDoubleCount; ++i) {
        const double value = r.F64(kDoublesAt + 8 * i);
        if (!std::isfinite(value) || std::fabs(value) > kDoubleLimit) return false;
        kDoubles[i](recipe) = value;
    }
    return true;
}

bool ReadTexts(const uint8_t* bytes, const zelmdb::ByteRecord& r, Recipe& recipe) {
    if (!Terminated(bytes + kNameFormatAt, kNameFormatSize)) return false;
    SetNameFormat(recipe.Parameters, r.Text(kNameFormatAt));
    for (size_t i = 0; i < kLetterCount; ++i) {
        const uint8_t letter = r.U8(kLettersAt + i);
        if (letter > 1) return false;
        recipe.Letters[i] = letter;
    }
    size_t at = kTextsAt;
    for (const TextField& text : kTexts) {
        if (!Terminated(bytes + at, text.room)) return false;
        text.field(recipe) = r.Text(at);
        at += text.room;
    }
    return true;
}

}  // namespace

std::vector<uint8_t> EncodeRecipe(const FootprintRecipe& recipe) {
    Recipe copy = recipe;
    std::vector<uint8_t> bytes(RecordSize(), 0);
    zelmdb::ByteRecord r(bytes.data());
    r.SetU32(kMagicAt, kMagic);
    r.SetU16(kVersionAt, kVersion);
    r.SetU16(kStyleAt, uint16_t(copy.Parameters.Style));
    for (size_t i = 0; i < kIntCount; ++i) r.SetI32(kIntsAt + 4 * i, kInts[i].field(copy));
    r.SetI16(kRowDeltaAt, copy.Parameters.RowDelta);
    r.SetI16(kAngleStepAt, copy.Parameters.AngleStep);
    for (size_t i = 0; i < kDoubleCount; ++i) r.SetF64(kDoublesAt + 8 * i, kDoubles[i](copy));
    r.SetText(kNameFormatAt, copy.Parameters.NameFormat.data(), kNameFormatSize);
    for (size_t i = 0; i < kLetterCount; ++i) r.SetU8(kLettersAt + i, copy.Letters[i] != 0);
    size_t at = kTextsAt;
    for (const TextField& text : kTexts) {
        r.SetText(at, text.field(copy).c_str(), text.room);
        at += text.room;
    }
    return bytes;
}

std::optional<FootprintRecipe> DecodeRecipe(const uint8_t* bytes, size_t size) {
    if (bytes == nullptr || size != RecordSize()) return std::nullopt;
    const zelmdb::ByteRecord r = zelmdb::ReadOnly(bytes);
    if (r.U32(kMagicAt) != kMagic || r.U16(kVersionAt) != kVersion) return std::nullopt;
    const uint16_t style = r.U16(kStyleAt);
    if (style < uint16_t(ArrayStyle::DualQuad) || style > uint16_t(ArrayStyle::Grid)) return std::nullopt;
    Recipe recipe;
    recipe.Parameters.Style = ArrayStyle(style);
    if (!ReadNumbers(r, recipe) || !ReadTexts(bytes, r, recipe)) return std::nullopt;
    // Placing more pads than a symbol holds would only be refused later, after a long wait.
    const int64_t pads = PadCountOf(recipe.Parameters);
    if (pads < 0 || pads > PADS_PER_SYMBOL_LIMIT) return std::nullopt;
    return recipe;
}
