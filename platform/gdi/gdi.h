// The drawing calls of the platform, with their usual names and semantics, over 32-bit surfaces.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/gdi/raster_ops.h"
#include "platform/gdi/surface.h"
#include "platform/win/win_types.h"

// Pen styles.
constexpr int PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_NULL = 5;
// Stock objects.
constexpr int WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3,
              BLACK_BRUSH = 4, NULL_BRUSH = 5, HOLLOW_BRUSH = NULL_BRUSH, WHITE_PEN = 6,
              BLACK_PEN = 7, NULL_PEN = 8, SYSTEM_FONT = 13, DEFAULT_GUI_FONT = 17;
// Background modes.
constexpr int TRANSPARENT = 1, OPAQUE = 2;
// Text alignment.
constexpr UINT TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6, TA_TOP = 0, TA_BOTTOM = 8,
               TA_BASELINE = 24;
// ExtTextOut options.
constexpr UINT ETO_OPAQUE = 2, ETO_CLIPPED = 4;
// DrawText formats.
constexpr UINT DT_LEFT = 0, DT_CENTER = 1, DT_RIGHT = 2, DT_VCENTER = 4, DT_BOTTOM = 8,
               DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_CALCRECT = 0x400,
               DT_NOPREFIX = 0x800, DT_HIDEPREFIX = 0x100000;
// Font weights.
constexpr int FW_NORMAL = 400, FW_BOLD = 700;

constexpr UINT GDI_ERROR = 0xFFFFFFFF;
constexpr UINT CLR_INVALID = 0xFFFFFFFF;

struct LOGFONTA {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[32] = {};
};

struct TEXTMETRICA {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
};

struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 32;
};

// Objects.
HPEN CreatePen(int style, int width, COLORREF colour);
HBRUSH CreateSolidBrush(COLORREF colour);
HGDIOBJ GetStockObject(int which);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
int GetObjectA(HGDIOBJ object, int size, void* out);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);

// Window device contexts. The window system tells where a window's pixels are.
struct WindowSurfaceArea {
    Surface* surface = nullptr;
    POINT origin;   // surface position of the window's (0, 0)
    RECT clip;      // surface rectangle the window may paint
};
// Where a window's pixels are, false for no such window. With `place` false only whether there
// is such a window is asked, and no pixels need be made for it.
using WindowSurfaceResolver = std::function<bool(HWND, bool client, bool place, WindowSurfaceArea&)>;
void SetWindowSurfaceResolver(WindowSurfaceResolver resolver);
HDC GetDC(HWND window);
HDC GetWindowDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
HDC CreateSurfaceDC(Surface* surface, POINT origin, RECT clip, HWND window = 0);
HWND WindowFromDC(HDC dc);

// State.
int SetROP2(HDC dc, int mode);
int SetBkMode(HDC dc, int mode);
COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF SetTextColor(HDC dc, COLORREF colour);
UINT SetTextAlign(HDC dc, UINT align);
COLORREF GetPixel(HDC dc, int x, int y);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);

// Shapes.
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL LineTo(HDC dc, int x, int y);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL Polygon(HDC dc, const POINT* points, int count);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);

// Blocks.
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop);
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);

// Text.
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                  DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                  DWORD outPrecision, DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily,
                  const char* faceName);
HFONT CreateFontIndirectA(const LOGFONTA* font);
BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics);
BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, SIZE* size);
BOOL TextOutA(HDC dc, int x, int y, const char* text, int count);
BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text,
                 UINT count, const int* dx);
int DrawTextA(HDC dc, const char* text, int count, RECT* rect, UINT format);

// Why the last font could not be made (no installed font for the face), for a clear message.
const std::string& GdiLastFontError();

// Test and tooling access: the pixels behind a memory DC's bitmap or a bitmap handle.
const Surface* GdiBitmapSurface(HBITMAP bitmap);
const Surface* GdiSurfaceOfDC(HDC dc);
// Live objects and DCs made by callers (stock objects not counted), for leak checks.
int GdiLiveObjectCount();
