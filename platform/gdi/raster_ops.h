// Binary (ROP2) and ternary raster operations over COLORREF bits.
#pragma once
#include <cstdint>

#include "platform/win/win_types.h"

constexpr int R2_BLACK = 1, R2_NOTMERGEPEN = 2, R2_MASKNOTPEN = 3, R2_NOTCOPYPEN = 4,
              R2_MASKPENNOT = 5, R2_NOT = 6, R2_XORPEN = 7, R2_NOTMASKPEN = 8, R2_MASKPEN = 9,
              R2_NOTXORPEN = 10, R2_NOP = 11, R2_MERGENOTPEN = 12, R2_COPYPEN = 13,
              R2_MERGEPENNOT = 14, R2_MERGEPEN = 15, R2_WHITE = 16;

constexpr DWORD SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6,
                SRCINVERT = 0x00660046, SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008,
                NOTSRCERASE = 0x001100A6, MERGECOPY = 0x00C000CA, MERGEPAINT = 0x00BB0226,
                PATCOPY = 0x00F00021, PATPAINT = 0x00FB0A09, PATINVERT = 0x005A0049,
                DSTINVERT = 0x00550009, BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062;

// The mix mode's four-entry truth table applied to every bit of pen and destination.
COLORREF ApplyRop2(int mode, COLORREF pen, COLORREF dest);

// The ternary code's eight-entry truth table (its third byte) over pattern, source and destination.
COLORREF ApplyRop3(DWORD rop, COLORREF pattern, COLORREF source, COLORREF dest);

// Whether the operation reads the source or the pattern at all.
bool Rop3UsesSource(DWORD rop);
bool Rop3UsesPattern(DWORD rop);
