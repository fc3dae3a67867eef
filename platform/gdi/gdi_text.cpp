// Fonts and the text calls: TextOut, ExtTextOut, DrawText, metrics and extents.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/text_painter.h"

namespace {

std::string& LastFontError() {
    static std::string error;
    return error;
}

DeviceContext* DC(HDC h) { return GdiTables::Instance().DC(h); }

FontFace* FaceOf(const DeviceContext& dc) {
    GdiTables& t = GdiTables::Instance();
    const GdiObject* font = t.Object(dc.font ? dc.font : t.Stock(SYSTEM_FONT));
    return font && font->kind == GdiKind::Font ? font->face.get() : nullptr;
}

std::string_view Text(const char* text, int count) {
    if (!text) return {};
    return count < 0 ? std::string_view(text) : std::string_view(text, size_t(count));
}

// The top-left of a line's cell from the reference point and the alignment flags.
POINT CellOrigin(UINT align, int x, int y, int width, const FontFace& face) {
    POINT p{x, y};
    if ((align & TA_CENTER) == TA_CENTER)
        p.x -= width / 2;
    else if (align & TA_RIGHT)
        p.x -= width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        p.y -= face.Ascent();
    else if (align & TA_BOTTOM)
        p.y -= face.Ascent() + face.Descent();
    return p;
}

struct PrefixedLine {
    std::string text;
    int underline = -1;
};

// "&x" underlines x, "&&" is one "&".
PrefixedLine StripPrefix(std::string_view text, bool keep) {
    PrefixedLine line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!keep && text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && line.underline < 0) line.underline = int(line.text.size());
        }
        line.text += text[i];
    }
    return line;
}

std::vector<std::string_view> BreakLines(std::string_view text, int width, bool wrap,
                                         const TextPainter& painter) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view para = text.substr(start, end - start);
        if (!para.empty() && para.back() == '\r') para.remove_suffix(1);
        while (wrap && painter.Width(para) > width) {
            size_t cut = para.rfind(' ');
            while (cut != std::string_view::npos && cut > 0 && painter.Width(para.substr(0, cut)) > width)
                cut = para.rfind(' ', cut - 1);
            if (cut == std::string_view::npos || cut == 0) break;
            lines.push_back(para.substr(0, cut));
            para.remove_prefix(cut + 1);
        }
        lines.push_back(para);
        start = end + 1;
    }
    return lines;
}

}  // namespace

const std::string& GdiLastFontError() { return LastFontError(); }

HFONT CreateFontIndirectA(const LOGFONTA* lf) {
    if (!lf) return 0;
    const std::string face(lf->lfFaceName, strnlen(lf->lfFaceName, sizeof(lf->lfFaceName)));
    std::string error;
    auto opened = FontFace::Open({face, int(lf->lfHeight), int(lf->lfWeight), lf->lfItalic != 0}, error);
    if (!opened) {
        LastFontError() = error;
        return 0;
    }
    GdiObject o;
    o.kind = GdiKind::Font;
    o.logfont = *lf;
    o.face = std::move(opened);
    return GdiTables::Instance().objects.Add(std::make_unique<GdiObject>(std::move(o)));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight,
                  DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                  DWORD outPrecision, DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily,
                  const char* faceName) {
    LOGFONTA lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = BYTE(italic);
    lf.lfUnderline = BYTE(underline);
    lf.lfStrikeOut = BYTE(strikeOut);
    lf.lfCharSet = BYTE(charSet);
    lf.lfOutPrecision = BYTE(outPrecision);
    lf.lfClipPrecision = BYTE(clipPrecision);
    lf.lfQuality = BYTE(quality);
    lf.lfPitchAndFamily = BYTE(pitchAndFamily);
    if (faceName) std::strncpy(lf.lfFaceName, faceName, sizeof(lf.lfFaceName) - 1);
    return CreateFontIndirectA(&lf);
}

BOOL GetTextMetricsA(HDC h, TEXTMETRICA* tm) {
    const DeviceContext* dc = DC(h);
    FontFace* face = dc ? FaceOf(*dc) : nullptr;
    if (!face || !tm) return FALSE;
    *tm = TEXTMETRICA{};
    tm->tmAscent = face->Ascent();
    tm->tmDescent = face->Descent();
    tm->tmHeight = face->Ascent() + face->Descent();
    tm->tmInternalLeading = std::max(0, int(tm->tmHeight) - face->EmPixels());
    tm->tmAveCharWidth = face->Glyph('x').advance;
    tm->tmMaxCharWidth = face->MaxAdvance();
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC h, const char* text, int count, SIZE* size) {
    const DeviceContext* dc = DC(h);
    FontFace* face = dc ? FaceOf(*dc) : nullptr;
    if (!face || !size || count < 0) return FALSE;
    TextPainter painter(*face);
    size->cx = painter.Width(Text(text, count));
    size->cy = painter.Height();
    return TRUE;
}

BOOL ExtTextOutA(HDC h, int x, int y, UINT options, const RECT* rect, const char* text,
                 UINT count, const int*) {
    const DeviceContext* dc = DC(h);
    FontFace* face = dc ? FaceOf(*dc) : nullptr;
    if (!dc || !face) return FALSE;
    PixelTarget target = TargetFor(*dc).Copying();
    if (rect && (options & ETO_OPAQUE)) Rasterizer(target).FillRect(*rect, dc->bkColour);
    if (rect && (options & ETO_CLIPPED)) target = target.ClippedTo(*rect);
    const std::string_view line = Text(text, int(count));
    if (line.empty()) return TRUE;
    TextPainter painter(*face);
    const int width = painter.Width(line);
    const POINT cell = CellOrigin(dc->textAlign, x, y, width, *face);
    if (dc->bkMode == OPAQUE)
        Rasterizer(target).FillRect({cell.x, cell.y, cell.x + width, cell.y + painter.Height()},
                                    dc->bkColour);
    painter.Draw(target, cell.x, cell.y, line, dc->textColour);
    return TRUE;
}

BOOL TextOutA(HDC h, int x, int y, const char* text, int count) {
    if (count < 0) return FALSE;
    return ExtTextOutA(h, x, y, 0, nullptr, text, UINT(count), nullptr);
}

int DrawTextA(HDC h, const char* text, int count, RECT* rect, UINT format) {
    const DeviceContext* dc = DC(h);
    FontFace* face = dc ? FaceOf(*dc) : nullptr;
    if (!dc || !face || !rect) return 0;
    TextPainter painter(*face);
    const bool single = format & DT_SINGLELINE;
    std::vector<std::string_view> raw;
    if (single)
        raw.push_back(Text(text, count));
    else
        raw = BreakLines(Text(text, count), rect->right - rect->left, format & DT_WORDBREAK, painter);
    const int lineHeight = painter.Height();
    const int total = lineHeight * int(raw.size());
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (auto line : raw) widest = std::max(widest, painter.Width(StripPrefix(line, format & DT_NOPREFIX).text));
        rect->right = rect->left + widest;
        rect->bottom = rect->top + total;
        return total;
    }
    int top = rect->top;
    if (single && (format & DT_VCENTER)) top = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
    if (single && (format & DT_BOTTOM)) top = rect->bottom - lineHeight;
    PixelTarget target = TargetFor(*dc).Copying().ClippedTo(*rect);
    for (auto raw_line : raw) {
        const PrefixedLine line = StripPrefix(raw_line, format & DT_NOPREFIX);
        const int width = painter.Width(line.text);
        int left = rect->left;
        if (format & DT_CENTER) left = rect->left + (rect->right - rect->left - width) / 2;
        else if (format & DT_RIGHT) left = rect->right - width;
        if (dc->bkMode == OPAQUE)
            Rasterizer(target).FillRect({left, top, left + width, top + lineHeight}, dc->bkColour);
        painter.Draw(target, left, top, line.text, dc->textColour,
                     (format & DT_HIDEPREFIX) ? -1 : line.underline);
        top += lineHeight;
    }
    return total;
}
