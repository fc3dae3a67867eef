// CSpinButtonCtrl: the up-down arrows beside an edit field.
#pragma once
#include "platform/framework/wnd.h"

class CSpinButtonCtrl : public CWnd {
public:
    void SetRange(short lower, short upper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(WORD(upper), WORD(lower))); }
    void SetRange32(int lower, int upper) { SendMessage(UDM_SETRANGE32, WPARAM(lower), LPARAM(upper)); }
    void GetRange32(int& lower, int& upper) const {
        SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    }
    int SetPos(int pos) { return int(SendMessage(UDM_SETPOS32, 0, LPARAM(pos))); }
    int GetPos() const { return int(SendMessage(UDM_GETPOS32, 0, 0)); }
    CWnd* SetBuddy(CWnd* buddy) { return FromHandle(HWND(SendMessage(UDM_SETBUDDY, buddy ? buddy->m_hWnd : 0))); }
    CWnd* GetBuddy() const { return FromHandle(HWND(SendMessage(UDM_GETBUDDY))); }
    BOOL SetAccel(int count, const UDACCEL* accel) {
        return BOOL(SendMessage(UDM_SETACCEL, WPARAM(count), reinterpret_cast<LPARAM>(accel)));
    }
};
