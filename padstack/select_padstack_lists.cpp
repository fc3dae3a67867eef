// The padstack list (design first, then every library in section order) and the library list.
#include "padstack/select_padstack_dialog.h"

#include <algorithm>

#include "array/shared_state.h"
#include "host/zelmdb/zelmdb.h"
#include "output/padstack_rules.h"
#include "output/padstack_scan.h"
#include "platform/gdi/gdi.h"

namespace {

// Appends the usable padstacks of the active database; gives the last name appended.
std::string AppendUsable(CComboBox& list) {
    std::string last;
    ForEachPadstack([&](const std::string& name, const PadstackBuffer& record) {
        if (!UsablePadstack(record)) return true;
        list.AddString(name.c_str());
        last = name;
        return true;
    });
    return last;
}

}  // namespace

void CSelectPadstackDialog::FillLibraryList() {
    ForEachLibraryLine([this](const char* key, const char*) { LibraryList.AddString(key); });
}

void CSelectPadstackDialog::FillPadstackList() {
    const std::string lastDesign = AppendUsable(PadstackList);
    LastDesignPadstack = ThruFind(lastDesign.c_str());
    ForEachLibrary(GetActiveDatabase(), [this](const char*) { AppendUsable(PadstackList); });
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
