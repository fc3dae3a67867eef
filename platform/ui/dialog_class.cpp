// Default dialog processing: the face background, the dialog font, the default button id, and
// the close box meaning Cancel.
#include "platform/ui/dialog_class.h"

#include "platform/ui/classic_look.h"
#include "platform/ui/control_store.h"
#include "platform/ui/control_support.h"
#include "platform/win/message_box.h"

namespace {

struct DialogState {
    HFONT font = 0;
    WORD defaultId = IDOK;
};

ControlStore<DialogState>& Store() {
    static ControlStore<DialogState> store;
    return store;
}

}  // namespace

bool DialogClass::Register() {
    WNDCLASSA cls;
    cls.style = CS_SAVEBITS;
    cls.lpfnWndProc = &DialogClass::Proc;
    cls.hbrBackground = ClassicLook::Brush(classic::kFace);
    cls.lpszClassName = WC_DIALOG;
    return RegisterClassA(&cls);
}

LRESULT DialogClass::Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    DialogState* state = Store().Enter(h, msg, wp, lp, result);
    if (state == nullptr) return result;
    DialogState& s = *state;
    switch (msg) {
    case DM_GETDEFID: return LRESULT(MAKEWPARAM(s.defaultId, DC_HASDEFID));
    case DM_SETDEFID: s.defaultId = WORD(wp); return TRUE;
    case WM_CLOSE:
        SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), LPARAM(GetDlgItem(h, IDCANCEL)));
        return 0;
    default: return DefWindowProcA(h, msg, wp, lp);
    }
}
