// Stand-ins, not the parts themselves: no page is made, no window state is read or saved, and
// the alphabet dialog has no template yet, so it does not open. The six sample titles are the
// page table's until the style table takes them over.
#include "sheet/pending_parts.h"

#include "res/resource.h"

namespace {

const StyleTraits kStyles[kStylePageCount] = {
    {0, "Dual/Quad InLine Style Sample", 420}, {1, "Connector Stagger X Style Sample", 421},
    {2, "Connector Stagger Y Style Sample", 422}, {3, "QFP/CC Style Sample", 417},
    {4, "Circular Style Sample", 418}, {5, "Grid Array Style Sample", 419},
};

}  // namespace

const StyleTraits* FindStyleTraits(int index) {
    return index >= 0 && index < kStylePageCount ? &kStyles[index] : nullptr;
}

std::unique_ptr<CPropertyPage> MakeStylePage(int) { return nullptr; }

int ReadWindowState(WindowState&) { return 0; }

void SaveWindowState(HWND, int) {}

CArrayAlphabetDialog::CArrayAlphabetDialog(CWnd* parent) : CDialog(IDD_ARRAY_ALPHABET, parent) {}
