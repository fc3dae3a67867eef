// Draws one scene with every primitive of the drawing layer and saves it as a PNG.
#include <cstdio>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/gdi/png_io.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF, kYellow = 0x00FFFF, kRed = 0x0000FF, kGreen = 0x00FF00,
                   kBlue = 0xFF0000, kCyan = 0xFFFF00, kGrey = 0x808080;

void Label(HDC dc, int x, int y, const char* text) {
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    TextOutA(dc, x, y, text, int(std::string(text).size()));
}

void WithPenAndBrush(HDC dc, HPEN pen, HBRUSH brush, void (*draw)(HDC)) {
    HGDIOBJ oldPen = SelectObject(dc, pen), oldBrush = SelectObject(dc, brush);
    draw(dc);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void Shapes(HDC dc) {
    Rectangle(dc, 20, 20, 100, 70);
    Ellipse(dc, 130, 20, 200, 90);
    const POINT star[] = {{270, 15}, {290, 85}, {235, 40}, {305, 40}, {250, 85}};
    Polygon(dc, star, 5);
}

void Lines(HDC dc) {
    MoveToEx(dc, 20, 130, nullptr);
    LineTo(dc, 100, 110);
    LineTo(dc, 100, 150);
}

void WideLines(HDC dc) {
    MoveToEx(dc, 140, 120, nullptr);   // an oblong pad: one stroke of a wide round-ended pen
    LineTo(dc, 190, 140);
}

void Dotted(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    MoveToEx(dc, 230, 110, nullptr);
    LineTo(dc, 310, 110);
    LineTo(dc, 310, 150);
    LineTo(dc, 230, 150);
}

void Markers(HDC dc) {
    SetROP2(dc, R2_MERGEPEN);   // marker lines OR-ed in, circle interiors unchanged
    Ellipse(dc, 52, 212, 68, 228);
    MoveToEx(dc, 44, 220, nullptr);
    LineTo(dc, 76, 220);
    MoveToEx(dc, 60, 204, nullptr);
    LineTo(dc, 60, 236);
    SetROP2(dc, R2_COPYPEN);
}

void Pads(HDC screen) {
    HDC image = CreateCompatibleDC(screen), mask = CreateCompatibleDC(screen);
    HBITMAP imageBits = CreateCompatibleBitmap(screen, 24, 24);
    HBITMAP maskBits = CreateCompatibleBitmap(screen, 24, 24);
    HGDIOBJ oldImage = SelectObject(image, imageBits), oldMask = SelectObject(mask, maskBits);
    PatBlt(image, 0, 0, 24, 24, BLACKNESS);
    PatBlt(mask, 0, 0, 24, 24, WHITENESS);
    HBRUSH brush = CreateSolidBrush(kBlue);
    HPEN pen = CreatePen(PS_SOLID, 1, kBlue);
    HGDIOBJ oldBrush = SelectObject(image, brush), oldPen = SelectObject(image, pen);
    Ellipse(image, 0, 0, 24, 24);
    SelectObject(image, oldBrush);
    SelectObject(image, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
    for (int i = 0; i < 6; ++i) {
        BitBlt(screen, 120 + i * 16, 200, 24, 24, mask, 0, 0, SRCAND);
        BitBlt(screen, 120 + i * 16, 200, 24, 24, image, 0, 0, SRCPAINT);
    }
    SelectObject(image, oldImage);
    SelectObject(mask, oldMask);
    DeleteObject(imageBits);
    DeleteObject(maskBits);
    DeleteDC(image);
    DeleteDC(mask);
}

void Texts(HDC dc) {
    SetTextColor(dc, kGreen);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_RIGHT | TA_TOP);
    TextOutA(dc, 316, 170, "n=12=p*q", 8);
    SetTextColor(dc, kWhite);
    SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
    TextOutA(dc, 270, 250, "r  \xF8  x  y", 10);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, kGrey);
    RECT box{20, 260, 316, 290};
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &box, "", 0, nullptr);
    SetTextColor(dc, 0);
    DrawTextA(dc, "Standard &JEDEC Alphabet", -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string out = argc > 1 ? argv[1] : "gdi-demo.png";
    HDC dc = CreateCompatibleDC(0);
    HBITMAP bits = CreateCompatibleBitmap(dc, 336, 300);
    HGDIOBJ oldBits = SelectObject(dc, bits);
    PatBlt(dc, 0, 0, 336, 300, BLACKNESS);
    HFONT font = CreateFontA(-12, 0, 0, 0, 200, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
    if (!font) {
        std::fprintf(stderr, "gdi_demo: %s\n", GdiLastFontError().c_str());
        return 1;
    }
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetTextColor(dc, kWhite);
    SetBkMode(dc, TRANSPARENT);

    WithPenAndBrush(dc, CreatePen(PS_SOLID, 1, kWhite), CreateSolidBrush(kRed), Shapes);
    WithPenAndBrush(dc, CreatePen(PS_SOLID, 1, kCyan), CreateSolidBrush(0), Lines);
    WithPenAndBrush(dc, CreatePen(PS_SOLID, 14, kRed), CreateSolidBrush(0), WideLines);
    WithPenAndBrush(dc, CreatePen(PS_DOT, 0, kYellow), CreateSolidBrush(0), Dotted);
    RECT band{20, 196, 100, 244};
    HBRUSH green = CreateSolidBrush(0x004000);
    FillRect(dc, &band, green);
    DeleteObject(green);
    WithPenAndBrush(dc, CreatePen(PS_SOLID, 1, kYellow), HBRUSH(GetStockObject(BLACK_BRUSH)), Markers);
    Pads(dc);
    Label(dc, 60, 74, "Rectangle");
    Label(dc, 165, 92, "Ellipse");
    Label(dc, 270, 88, "Polygon");
    Label(dc, 60, 154, "LineTo");
    Label(dc, 165, 154, "wide pen");
    Label(dc, 270, 154, "PS_DOT");
    Label(dc, 60, 246, "R2_MERGEPEN");
    Label(dc, 180, 226, "SRCAND+SRCPAINT");
    Texts(dc);

    std::string error;
    const bool ok = WritePng(*GdiSurfaceOfDC(dc), out, error);
    SelectObject(dc, oldFont);
    DeleteObject(font);
    SelectObject(dc, oldBits);
    DeleteObject(bits);
    DeleteDC(dc);
    if (!ok) {
        std::fprintf(stderr, "gdi_demo: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", out.c_str());
    return 0;
}
