// Stand-ins, not the parts themselves: no page is made, no window state is read or saved, and
// the alphabet dialog has no template yet, so it does not open. The six sample titles are the
// page table's until the style table takes them over.
#include "sheet/pending_parts.h"

#include "res/resource.h"

int ReadWindowState(WindowState&) { return 0; }

void SaveWindowState(HWND, int) {}

CArrayAlphabetDialog::CArrayAlphabetDialog(CWnd* parent) : CDialog(IDD_ARRAY_ALPHABET, parent) {}
