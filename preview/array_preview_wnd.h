// The "Array Preview" window: a top-level window owned by the sheet that shows the active
// page's pads in their shapes, sizes and colours, scaled to fit, with names and two markers.
#pragma once
#include <string>

#include "platform/framework/wnd.h"
#include "platform/gdi/gdi.h"
#include "platform/win/messages.h"
#include "preview/pad_image_key.h"

class PadSiteList;
class PreviewScale;
struct PadSite;

class CArrayPreviewWnd : public CWnd {
public:
    CArrayPreviewWnd();
    ~CArrayPreviewWnd() override;

    void OnPaint();
    void OnSize(UINT type, int width, int height);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    DECLARE_MESSAGE_MAP()

private:
    void PaintPads(HDC dc, const PadSiteList& pads, const PreviewScale& scale, int clientBottom);
    void DrawPad(HDC dc, HDC memory, const PadImageKey& key, const PadSite& site, const PreviewScale& scale,
                 int clientBottom);
    void DrawPadName(HDC dc, int size, int x, int unflippedY, const std::string& text, int clientBottom);
    void DrawOriginMarkers(HDC dc, POINT pin1, POINT centre);

    HPEN m_namePen;
    HPEN m_markerPen;
    HBRUSH m_markerBrush;
};

// The sheet's preview window object; null while no sheet is up, and then nobody draws.
extern CArrayPreviewWnd* PreviewWindow;

// Invalidates the whole preview with erasing, when the preview window exists.
void RefreshPreview();
