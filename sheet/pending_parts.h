// What the sheet needs from parts still being written elsewhere, under the interfaces they
// will have: the style pages with their table (array/style_pages.h, array/style_traits.h),
// the window-state file (sheet/window_state.h) and the alphabet dialog
// (sheet/array_alphabet_dialog.h). When those land this file and pending_parts.cpp go.
#pragma once
#include <cstdint>
#include <memory>

#include "array/style_page.h"
#include "platform/framework/dialog.h"
#include "platform/framework/property_page.h"
#include "platform/win/win_types.h"

struct WindowState {
    int32_t ScreenResolution = 0, DialogLeft = 0, DialogTop = 0, ActivePage = 0,
            PreviewLeft = 0, PreviewTop = 0, PreviewWidth = 0, PreviewHeight = 0;
};
int ReadWindowState(WindowState& state);
void SaveWindowState(HWND sheet, int activePage);

class CArrayAlphabetDialog : public CDialog {
public:
    explicit CArrayAlphabetDialog(CWnd* parent = nullptr);
};
