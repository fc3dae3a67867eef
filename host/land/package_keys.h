// The one table of package keys: the name as library maintainers write it (the flag is the
// same words with dashes), the kind of value it takes and the families that take it. The
// command line, JSON, the doc and the host record all read it.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/base/result.h"
#include "host/land/package_input.h"

namespace land {

enum class KeyKind {
    Family, Density, Dimension, Size, Allowance, Offset, Ratio, Count, Flag, CountPair, PinList, Vias, BallType
};

// Which families take a key.
constexpr uint8_t kGullWing = 1, kNoLead = 2, kBga = 4, kLeaded = kGullWing | kNoLead, kAll = 7;

struct KeyRow {
    Key key;
    const char* name;
    KeyKind kind;
    uint8_t families;
    const char* meaning;
};

struct KindRow {
    KeyKind kind;
    const char* name;       // as the doc's key list names it
    const char* textForm;   // how a flag writes it
};

const std::vector<KeyRow>& PackageKeys();
const std::vector<KindRow>& KeyKinds();
const KeyRow& RowOf(Key key);
const KindRow& KindOf(KeyKind kind);
const KeyRow* KeyNamed(std::string_view name);
// "--num-pins-x" and "--EP-size-x" to their rows; nullptr for another flag.
const KeyRow* KeyOfFlag(std::string_view flag);
std::string FlagName(const KeyRow& row);
bool TakesKey(Family family, const KeyRow& row);
// "gullwing and nolead": the families that take the key.
std::string FamiliesTaking(const KeyRow& row);

// A key's value from its text form; the value is checked when applied.
Result<KeyValue> ParseKeyValue(const KeyRow& row, std::string_view text);
// The text ParseKeyValue reads back as the same value, numbers in full: what the host keeps.
std::string KeyValueText(const KeyValue& value);
// Sets the key, refusing (naming it) a key of another family, a key given twice, a value
// of another kind or out of its range. The family comes first.
Status ApplyKey(PackageInput& input, const KeyRow& row, KeyValue value);
// The two above for a key named as in the table.
Status ApplyKeyText(PackageInput& input, std::string_view name, std::string_view text);

}  // namespace land
