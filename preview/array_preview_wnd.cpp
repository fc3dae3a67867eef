// The preview window: every pad copied from its cached image with a mask AND and an image OR,
// so overlapping pads combine their colours; names and markers on top.
#include "preview/array_preview_wnd.h"

#include <algorithm>
#include <cstring>

#include "array/shared_state.h"
#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "output/layer_colours.h"
#include "platform/win/win_api.h"
#include "preview/pad_images.h"
#include "preview/preview_scale.h"

CArrayPreviewWnd* PreviewWindow = nullptr;

namespace {

namespace T = zelmdb::TextRecordLayout;
namespace S = zelmdb::SegmentListLayout;

constexpr int kMinimumSize = 120;
constexpr int kSmallestName = 8;

void DrawCircleMarker(HDC dc, POINT at, int radius) {
    Ellipse(dc, at.x - radius, at.y - radius, at.x + radius, at.y + radius);
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

}  // namespace

BEGIN_MESSAGE_MAP(CArrayPreviewWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CArrayPreviewWnd::CArrayPreviewWnd()
    : m_namePen(CreatePen(PS_SOLID, 1, PadNameColour)),
      m_markerPen(CreatePen(PS_SOLID, 1, MarkerColour)),
      m_markerBrush(CreateSolidBrush(0)) {}

CArrayPreviewWnd::~CArrayPreviewWnd() {
    ClearPadImages();
    DeleteObject(m_namePen);
    DeleteObject(m_markerPen);
    DeleteObject(m_markerBrush);
}

void CArrayPreviewWnd::OnSize(UINT, int, int) {
    Default();
    // Images are in pixels: a new size means a new scale.
    ClearPadImages();
}

void CArrayPreviewWnd::OnGetMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize = POINT{kMinimumSize, kMinimumSize};
    Default();
}

void CArrayPreviewWnd::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(m_hWnd, &paint);
    RECT client{};
    GetClientRect(&client);
    // A list without sites leaves the black background alone.
    if (CurrentPadList != nullptr && !CurrentPadList->Empty()) {
        const PreviewScale scale(CurrentPadList->Bounds, client.right, client.bottom);
        const bool drill = CurrentParameters != nullptr && CurrentParameters->DisplayDrill != 0;
        EnsurePadImages(*CurrentPadList, scale.Scale(), drill, dc);
        PaintPads(dc, *CurrentPadList, scale, client.bottom);
        const PadSite& pin1 = CurrentPadList->Sites().front();
        DrawOriginMarkers(dc, scale.ToWindow(pin1.X, pin1.Y),
                          scale.ToWindow(CurrentPadList->Center.x, CurrentPadList->Center.y));
    }
    EndPaint(m_hWnd, &paint);
}

void CArrayPreviewWnd::PaintPads(HDC dc, const PadSiteList& pads, const PreviewScale& scale, int clientBottom) {
    const auto& sites = pads.Sites();
    // One memory context serves every pad of the paint.
    HDC memory = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(memory, 0);
    DrawPad(dc, memory, PadImageKey(pads.Pin1Pad, scale.Scale(), sites[0].Rotation), sites[0], scale, clientBottom);
    PadImageKey key(pads.DefaultPad, scale.Scale(), sites.size() > 1 ? sites[1].Rotation : 0);
    for (size_t i = 1; i < sites.size(); ++i) {
        key.SetRotation(sites[i].Rotation);
        DrawPad(dc, memory, key, sites[i], scale, clientBottom);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
}

void CArrayPreviewWnd::DrawPad(HDC dc, HDC memory, const PadImageKey& key, const PadSite& site,
                               const PreviewScale& scale, int clientBottom) {
    const HBITMAP image = FindPadImage(key), mask = FindPadImage(key.Mask());
    const POINT at = scale.ToWindow(site.X, site.Y);
    BITMAP size{};
    if (image != 0 && mask != 0 && GetObjectA(image, sizeof size, &size) != 0) {
        const int left = at.x - size.bmWidth / 2, top = at.y - size.bmHeight / 2;
        SelectObject(memory, mask);
        BitBlt(dc, left, top, size.bmWidth, size.bmHeight, memory, 0, 0, SRCAND);
        SelectObject(memory, image);
        BitBlt(dc, left, top, size.bmWidth, size.bmHeight, memory, 0, 0, SRCPAINT);
    }
    if (CurrentParameters == nullptr || CurrentParameters->DisplayPadName == 0) return;
    const int nameSize = std::min(key.Width(), key.Height()) / 2;
    if (nameSize >= kSmallestName) DrawPadName(dc, nameSize, at.x, scale.UnflippedY(site.Y), site.Name, clientBottom);
}

// The host's stroke text, centred on the pad; its y runs up like the arrangement's.
void CArrayPreviewWnd::DrawPadName(HDC dc, int size, int x, int unflippedY, const std::string& text, int clientBottom) {
    uint8_t* segments = MemAllocUnion();
    if (segments == nullptr) return;
    uint8_t record[T::Size] = {};
    zelmdb::ByteRecord r(record);
    r.SetI32(T::Height, size);
    r.SetI32(T::X, x);
    r.SetI32(T::Y, unflippedY);
    r.SetI16(T::WidthPercent, 100);
    std::memcpy(record + T::Text, text.data(), std::min(text.size(), zelmdb::TextMax - 1));
    TextGetSegments(record, segments);
    const int dx = (r.I32(T::ExtentXHigh) - r.I32(T::ExtentXLow)) / 2 - x + r.I32(T::ExtentXLow);
    const int dy = (r.I32(T::ExtentYHigh) - r.I32(T::ExtentYLow)) / 2 - unflippedY + r.I32(T::ExtentYLow);
    HGDIOBJ oldPen = SelectObject(dc, m_namePen);
    const zelmdb::ByteRecord list = zelmdb::ReadOnly(segments);
    for (int i = 0; i < list.U16(S::Count); ++i) {
        const size_t at = S::First + S::Size * size_t(i);
        DrawLine(dc, list.I32(at) - dx, clientBottom - (list.I32(at + 4) - dy), list.I32(at + 8) - dx,
                 clientBottom - (list.I32(at + 12) - dy));
    }
    SelectObject(dc, oldPen);
    MemFreeUnion(segments);
}

// OR-ed in, so a marker never hides a pad; the black brush leaves the circles' inside alone.
void CArrayPreviewWnd::DrawOriginMarkers(HDC dc, POINT pin1, POINT centre) {
    const int oldMode = SetROP2(dc, R2_MERGEPEN);
    HGDIOBJ oldPen = SelectObject(dc, m_markerPen);
    HGDIOBJ oldBrush = SelectObject(dc, m_markerBrush);
    const bool plusAtPin1 = CurrentParameters != nullptr && CurrentParameters->PlusMarkerAtPin1 != 0;
    const bool crossAtPin1 = CurrentParameters != nullptr && CurrentParameters->CrossMarkerAtPin1 == 1;
    const POINT plus = plusAtPin1 ? pin1 : centre, cross = crossAtPin1 ? pin1 : centre;
    DrawCircleMarker(dc, plus, 8);
    DrawLine(dc, plus.x - 16, plus.y, plus.x + 16, plus.y);
    DrawLine(dc, plus.x, plus.y - 16, plus.x, plus.y + 16);
    DrawCircleMarker(dc, cross, 12);
    DrawLine(dc, cross.x - 12, cross.y - 12, cross.x + 12, cross.y + 12);
    DrawLine(dc, cross.x + 12, cross.y - 12, cross.x - 12, cross.y + 12);
    SetROP2(dc, oldMode);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

void RefreshPreview() {
    if (PreviewWindow == nullptr || PreviewWindow->GetSafeHwnd() == 0) return;
    PreviewWindow->Invalidate(TRUE);
}
