// Default dialog processing: the face background, the dialog font, the default button id, and
// the close box meaning Cancel.
#include "platform/ui/dialog_class.h"

#include "platform/ui/classic_look.h"
#include "platform/ui/control_class.h"
#include "platform/ui/control_support.h"
#include "platform/win/message_box.h"

namespace {

struct DialogState {
    HFONT font = 0;
    WORD defaultId = IDOK;
};

LRESULT Proc(HWND h, DialogState& s, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case DM_GETDEFID: return LRESULT(MAKEWPARAM(s.defaultId, DC_HASDEFID));
    case DM_SETDEFID: s.defaultId = WORD(wp); return TRUE;
    case WM_CLOSE:
        SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), LPARAM(GetDlgItem(h, IDCANCEL)));
        return 0;
    default: return DefWindowProcA(h, msg, wp, lp);
    }
}

using Class = ControlClass<DialogState, &Proc>;

}  // namespace

bool DialogClass::Register() { return Class::Register(WC_DIALOG, CS_SAVEBITS, ClassicLook::Brush(classic::kFace)); }
