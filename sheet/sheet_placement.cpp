// Integer geometry of the sheet's opening; every division rounds toward zero, as C++ does.
#include "sheet/sheet_placement.h"

bool SavedStateUsable(const WindowState& s, int screenWidth, int screenHeight) {
    return s.ScreenResolution == screenWidth && s.DialogLeft < screenWidth &&
           s.DialogTop < screenHeight && s.PreviewLeft < screenWidth &&
           s.PreviewTop < screenHeight && s.PreviewWidth > 0 && s.PreviewHeight > 0;
}

RECT SavedPreviewRect(const WindowState& s) {
    return {s.PreviewLeft, s.PreviewTop, s.PreviewLeft + s.PreviewWidth, s.PreviewTop + s.PreviewHeight};
}

RECT MiddleOfSheet(const RECT& sheet) {
    const int dx = (sheet.right - sheet.left) / 4, dy = (sheet.bottom - sheet.top) / 4;
    return {sheet.left + dx, sheet.top + dy, sheet.right - dx, sheet.bottom - dy};
}

int CentredRowLeft(const RECT& client, int count, int width, int gap) {
    return (client.left + client.right - (count * width + (count - 1) * gap)) / 2;
}
