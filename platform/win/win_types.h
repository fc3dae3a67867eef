// The basic value types of the window system, with the widths the plug-in was written for.
#pragma once
#include <cstdint>

using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using LONG = int32_t;
using BOOL = int32_t;
using COLORREF = uint32_t;   // 0x00BBGGRR
// Message parameters are pointer-sized: some messages carry a structure's address.
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using INT = int32_t;
using LPSTR = char*;
using LPCSTR = const char*;

// Handles are 32-bit values that index tables, so they fit the 4-byte slots of host records.
using HANDLE = uint32_t;
using HWND = uint32_t;
using HDC = uint32_t;
using HGDIOBJ = uint32_t;
using HPEN = uint32_t;
using HBRUSH = uint32_t;
using HBITMAP = uint32_t;
using HFONT = uint32_t;
using HINSTANCE = uint32_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

constexpr COLORREF RGB(int r, int g, int b) {
    return COLORREF(uint8_t(r)) | (COLORREF(uint8_t(g)) << 8) | (COLORREF(uint8_t(b)) << 16);
}
constexpr int GetRValue(COLORREF c) { return int(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xFF); }
