// The padstack walks: the design's records by id, the PADSTACK_LIB lines of the settings file,
// and each library opened in turn with the design made active again after it.
#include "output/padstack_scan.h"

#include "array/design_record.h"
#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "platform/framework/module_state.h"
#include "res/resource.h"

namespace PS = zelmdb::ProfileSectionLayout;

void ForEachPadstack(const std::function<bool(const std::string& name, const PadstackBuffer& record)>& use) {
    DesignRecord record;
    record.Read();
    PadstackBuffer thru = NewPadstackBuffer();
    for (int32_t id = record.FirstPadstackId() + 1; id <= record.LastPadstackId(); ++id) {
        if (ThruGet(id, thru.data()) == 0) continue;
        const char* name = NameStr(zelmdb::ReadOnly(thru.data()).I32(zelmdb::ThruRecordLayout::NameId));
        if (!use(name ? name : "", thru)) return;
    }
}

void ForEachLibraryLine(const std::function<void(const char* key, const char* value)>& use) {
    uint8_t* section = MemAllocUnion();
    if (section == nullptr) return;
    ComIniGetProfileSection(AfxLoadString(IDS_PADSTACK_LIB_SECTION).c_str(), section);
    const int count = zelmdb::ReadOnly(section).I16(PS::Count);
    for (int i = 0; i < count; ++i) {
        const char* key = ComIniHandleText(zelmdb::ReadOnly(section).U32(PS::Entry(i) + PS::Key));
        const char* value = ComIniHandleText(zelmdb::ReadOnly(section).U32(PS::Entry(i) + PS::Value));
        use(key ? key : "", value ? value : "");
    }
    ComIniFreeProfileSection(section);
    MemFreeUnion(section);
}

void ForEachLibrary(uint8_t design, const std::function<void(const char* path)>& use) {
    ForEachLibraryLine([&](const char*, const char* value) {
        char path[zelmdb::PathMax] = {};
        if (SwFindFile(value, path) != 1) return;
        if (DbLoadFpNames(path) == 1) {
            use(path);
            DeleteActiveDatabase();
        }
        SetActiveDatabase(design);
        DesignRecord().Read();
    });
}
