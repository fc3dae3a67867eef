// The padstack list (design first, then every library in section order) and the library list.
#include "padstack/select_padstack_dialog.h"

#include <algorithm>

#include "array/design_record.h"
#include "array/shared_state.h"
#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "output/padstack_rules.h"
#include "platform/framework/module_state.h"
#include "platform/gdi/gdi.h"
#include "res/resource.h"

namespace {

namespace PS = zelmdb::ProfileSectionLayout;

// Appends the usable padstacks of the active database; gives the last name appended.
std::string AppendUsable(CComboBox& list, std::string last) {
    DesignRecord record;
    record.Read();
    PadstackBuffer thru = NewPadstackBuffer();
    for (int32_t id = record.FirstPadstackId() + 1; id <= record.LastPadstackId(); ++id) {
        if (ThruGet(id, thru.data()) == 0 || !UsablePadstack(thru)) continue;
        const char* name = NameStr(zelmdb::ReadOnly(thru.data()).I32(zelmdb::ThruRecordLayout::NameId));
        last = name ? name : "";
        list.AddString(last.c_str());
    }
    return last;
}

// Calls `use(key, value)` for every line of the library section, in order.
template <typename Use>
void ForEachLibraryLine(Use use) {
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

}  // namespace

void CSelectPadstackDialog::FillLibraryList() {
    ForEachLibraryLine([this](const char* key, const char*) { LibraryList.AddString(key); });
}

void CSelectPadstackDialog::FillPadstackList() {
    const std::string lastDesign = AppendUsable(PadstackList, "");
    LastDesignPadstack = ThruFind(lastDesign.c_str());
    const uint8_t design = GetActiveDatabase();
    ForEachLibraryLine([this, design](const char*, const char* value) {
        char path[zelmdb::PathMax] = {};
        if (SwFindFile(value, path) != 1) return;
        if (DbLoadFpNames(path) == 1) {
            AppendUsable(PadstackList, "");
            DeleteActiveDatabase();
        }
        SetActiveDatabase(design);
        DesignRecord().Read();
    });
    int widest = 0;
    HDC dc = GetDC(m_hWnd);
    HGDIOBJ oldFont = SelectObject(dc, PadstackList.GetFont());
    for (int i = 0; i < PadstackList.GetCount(); ++i) {
        const std::string name = PadstackList.GetLBText(i);
        SIZE size{};
        GetTextExtentPoint32A(dc, name.c_str(), int(name.size()), &size);
        widest = std::max(widest, int(size.cx));
    }
    SelectObject(dc, oldFont);
    ReleaseDC(m_hWnd, dc);
    PadstackList.SetHorizontalExtent(widest + 4);
    if (CurrentParameters != nullptr) {
        const std::string& name = CurrentParameters->SelectingDefaultPadstack == 1
                                      ? CurrentParameters->DefaultPadstackName
                                      : CurrentParameters->Pin1PadstackName;
        PadstackList.SelectString(-1, name.c_str());
    }
    ShowPadstackDetails();
}
