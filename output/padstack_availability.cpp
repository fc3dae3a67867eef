// Libraries are opened one at a time as the active database and the design is made active
// again before the next one, so the design is active whenever this returns.
#include "output/padstack_availability.h"

#include <optional>

#include "array/design_record.h"
#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "output/layer_colours.h"
#include "output/padstack_rules.h"
#include "platform/framework/module_state.h"
#include "platform/win/message_box.h"
#include "res/resource.h"

namespace {

namespace PS = zelmdb::ProfileSectionLayout;

constexpr const char* kNoPadstackText =
    "... There are no padstacks available ...\n\n"
    "Please add a padstack to the padstack\n"
    "spreadsheet or add a padstack library\n\n"
    "... A temporary pad will be used for display ...";

struct Candidate {
    std::string name;
    PadstackBuffer record;
    std::string library;
};

// The first padstack of the active database's listed ids that `accept` takes.
template <typename Accept>
std::optional<Candidate> ScanActive(Accept accept) {
    DesignRecord record;
    record.Read();
    PadstackBuffer thru = NewPadstackBuffer();
    for (int32_t id = record.FirstPadstackId() + 1; id <= record.LastPadstackId(); ++id) {
        if (ThruGet(id, thru.data()) == 0 || !accept(thru)) continue;
        const char* name = NameStr(zelmdb::ReadOnly(thru.data()).I32(zelmdb::ThruRecordLayout::NameId));
        return Candidate{name ? name : "", thru, ""};
    }
    return std::nullopt;
}

std::optional<Candidate> ScanLibraries(uint8_t design) {
    std::optional<Candidate> found;
    uint8_t* section = MemAllocUnion();
    if (section == nullptr) return found;
    ComIniGetProfileSection(AfxLoadString(IDS_PADSTACK_LIB_SECTION).c_str(), section);
    const int count = zelmdb::ReadOnly(section).I16(PS::Count);
    for (int i = 0; i < count; ++i) {
        const char* value = ComIniHandleText(zelmdb::ReadOnly(section).U32(PS::Entry(i) + PS::Value));
        char path[zelmdb::PathMax] = {};
        if (value == nullptr || SwFindFile(value, path) != 1) continue;
        if (DbLoadFpNames(path) == 1) {
            if (auto candidate = ScanActive(UsablePadstack)) {
                found = std::move(candidate);
                found->library = path;
            }
            DeleteActiveDatabase();
        }
        SetActiveDatabase(design);
        DesignRecord().Read();
    }
    ComIniFreeProfileSection(section);
    MemFreeUnion(section);
    return found;
}

}  // namespace

StartPadstack CheckPadstackAvailability() {
    std::optional<Candidate> chosen = ScanActive(TopPadstack);
    const uint8_t design = GetActiveDatabase();
    if (!chosen) chosen = ScanLibraries(design);
    StartPadstack start;
    if (!chosen) {
        MessageBoxA(0, kNoPadstackText, "...Warning", MB_OK | MB_ICONINFORMATION);
        return start;
    }
    if (!chosen->library.empty()) DbLoadThru(chosen->name.c_str(), chosen->library.c_str());
    start.Name = chosen->name;
    start.Record = std::move(chosen->record);
    return start;
}

PadstackInfo StartPadstack::Info() const {
    if (Record.empty()) return TemporaryPad();
    PadstackInfo info;
    MakePadstackInfo(Record, info);
    return info;
}
