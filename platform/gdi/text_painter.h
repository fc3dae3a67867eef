// Measuring and drawing one line of 8-bit ANSI text in a font face.
#pragma once
#include <string_view>

#include "platform/gdi/font_face.h"
#include "platform/gdi/pixel_target.h"

class TextPainter {
public:
    explicit TextPainter(FontFace& face) : face_(face) {}

    int Width(std::string_view text) const;
    int Height() const { return face_.Ascent() + face_.Descent(); }

    // Draws with the top of the character cell at `top`; `underline` is the index of a
    // character to underline (a mnemonic), or -1.
    void Draw(PixelTarget& target, int left, int top, std::string_view text, COLORREF colour,
              int underline = -1) const;

private:
    FontFace& face_;
};
