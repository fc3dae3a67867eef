// CButton: push buttons, check boxes and radio buttons.
#pragma once
#include "platform/framework/wnd.h"

class CButton : public CWnd {
public:
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(WC_BUTTON, text, style, rect, parent, id);
    }
};
