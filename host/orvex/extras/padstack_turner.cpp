// Turned padstacks; see padstack_turner.h.
#include "host/orvex/extras/padstack_turner.h"

#include <cstdio>
#include <cstdlib>

#include "host/orvex/extras/footprint_extras.h"
#include "host/zelmdb/record_layout.h"

namespace {

constexpr size_t kNameMax = zelmdb::TextMax - 1;

// "SQ(90.00)" is SQ; a name without such an ending is its own.
std::string BaseName(const std::string& name) {
    const size_t open = name.rfind('(');
    if (open == std::string::npos || name.back() != ')' || open + 2 >= name.size()) return name;
    const std::string angle = name.substr(open + 1, name.size() - open - 2);
    char* end = nullptr;
    std::strtod(angle.c_str(), &end);
    return *end == '\0' && angle.find_first_not_of("-0123456789.") == std::string::npos ? name.substr(0, open) : name;
}

}  // namespace

int32_t NormalisedMinutes(int64_t minutes) { return int32_t(((minutes % kFullTurn) + kFullTurn) % kFullTurn); }

std::string PadstackTurner::CopyName(const std::string& padstackName, int32_t rotation, int copy) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "(%.2f)", rotation / 60.0);
    // Appended, not added: GCC 12's Release build sees overlaps in "~" + text that are not there.
    std::string tail = copy > 1 ? std::string(1, '~').append(std::to_string(copy)) : std::string();
    tail.append(suffix);
    return BaseName(padstackName).substr(0, kNameMax - tail.size()) + tail;
}

Result<int16_t> PadstackTurner::Turned(int16_t padstack, int32_t minutes) {
    if (NormalisedMinutes(minutes) == 0) return padstack;
    const auto key = std::make_pair(padstack, NormalisedMinutes(minutes));
    if (auto known = turned_.find(key); known != turned_.end()) return known->second;
    auto stack = store_.GetPadstack(padstack);
    if (!stack) return Failure{"padstack " + std::to_string(padstack) + " is not in the design"};
    // Rotation leaves a round pad as it is: such a padstack serves every turn, as it does the
    // plug-in's pads.
    int32_t rotation = -1;
    for (zelmdb::LayerGeometry& l : stack->layers) {
        if (l.shape == zelmdb::PadShape::None) continue;
        l.rotation = int16_t(NormalisedMinutes(int64_t(l.rotation) + minutes));
        if (zelmdb::TurnsWithRotation(l.shape) && rotation < 0) rotation = l.rotation;
    }
    if (rotation < 0) return turned_[key] = padstack;
    if (const auto same = int16_t(store_.FindSamePadstack(*stack)); same != 0) return turned_[key] = same;
    TRY_ASSIGN(copy, StoreCopy(*stack, store_.NameText(stack->nameId).value_or(""), rotation));
    return turned_[key] = copy;
}

Result<int16_t> PadstackTurner::StoreCopy(zelmdb::Padstack copy, const std::string& name, int32_t rotation) {
    int n = 1;
    while (store_.FindPadstack(CopyName(name, rotation, n)) != 0) ++n;
    TRY_ASSIGN(id, store_.NewPadstack());
    TRY_ASSIGN(nameId, store_.NameCreate(CopyName(name, rotation, n)));
    copy.id = id;
    copy.nameId = nameId;
    TRY(store_.PutPadstack(copy));
    return int16_t(id);
}
