// CStatic: labels and frames.
#pragma once
#include "platform/framework/wnd.h"

class CStatic : public CWnd {
public:
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(WC_STATIC, text, style, rect, parent, id);
    }
};
