// Font lookup (the packaged file, else fontconfig) and monochrome glyph rendering with FreeType.
#include "platform/gdi/font_face.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <strings.h>

#include <cmath>
#include <map>
#include <tuple>

namespace {

FT_Library FreeType() {
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
        return lib;
    }();
    return library;
}

struct FaceAlias {
    const char* face;
    const char* family;
    int emPercent;   // the size it is drawn at, in hundredths of the size asked for
};

// Dialog and application faces of the platform and the installed families that serve them.
// The dialog face was a bitmap face narrower than any outline face of its height; drawn a size
// smaller, an outline face of the same proportions keeps its line height (13 pixels at 8
// points) and its average width (dialog units of 6 by 13 pixels), and captions take the room
// they took there.
constexpr FaceAlias kFaceMap[] = {
    {"MS Sans Serif", "Arimo", 91},        {"MS Shell Dlg", "Arimo", 91},          {"Arial", "Arimo", 100},
    {"MS Shell Dlg 2", "DejaVu Sans", 100}, {"System", "DejaVu Sans", 100},        {"Tahoma", "DejaVu Sans", 100},
    {"Courier New", "DejaVu Sans Mono", 100}, {"Courier", "DejaVu Sans Mono", 100},
    {"Times New Roman", "DejaVu Serif", 100},
};
constexpr FaceAlias kFallback = {"", "DejaVu Sans", 100};

const FaceAlias& AliasOf(const std::string& face) {
    for (const FaceAlias& alias : kFaceMap)
        if (strcasecmp(alias.face, face.c_str()) == 0) return alias;
    return kFallback;
}

// Where the Debian package of a family puts its files: a path plus the style's suffix
// ("-Bold", "-BoldOblique", or `regular`) and ".ttf".
struct PackagedFamily {
    const char* family;
    const char* package;
    const char* stem;
    const char* regular;
    const char* slanted;
};
constexpr PackagedFamily kPackaged[] = {
    {"Arimo", "fonts-croscore", "usr/share/fonts/truetype/croscore/Arimo", "-Regular", "Italic"},
    {"DejaVu Sans", "fonts-dejavu-core", "usr/share/fonts/truetype/dejavu/DejaVuSans", "", "Oblique"},
    {"DejaVu Sans Mono", "fonts-dejavu-core", "usr/share/fonts/truetype/dejavu/DejaVuSansMono", "", "Oblique"},
    {"DejaVu Serif", "fonts-dejavu-core", "usr/share/fonts/truetype/dejavu/DejaVuSerif", "", "Italic"},
};

const PackagedFamily* PackagedOf(const std::string& family) {
    for (const PackagedFamily& p : kPackaged)
        if (strcasecmp(p.family, family.c_str()) == 0) return &p;
    return nullptr;
}

// The face of the family's packaged file in that style, open, with its path in `file`; null
// when the file is gone, damaged or another font, so that fontconfig decides.
FT_Face OpenPackaged(const std::string& root, const std::string& family, bool bold, bool italic, std::string& file) {
    const PackagedFamily* p = PackagedOf(family);
    if (!p || !FreeType()) return nullptr;
    const std::string style = bold || italic ? std::string("-") + (bold ? "Bold" : "") + (italic ? p->slanted : "") : p->regular;
    const std::string path = root + "/" + p->stem + style + ".ttf";
    FT_Face face = nullptr;
    if (FT_New_Face(FreeType(), path.c_str(), 0, &face) != 0) return nullptr;
    if (face->family_name && strcasecmp(face->family_name, family.c_str()) == 0 &&
        bool(face->style_flags & FT_STYLE_FLAG_BOLD) == bold && bool(face->style_flags & FT_STYLE_FLAG_ITALIC) == italic) {
        file = path;
        return face;
    }
    FT_Done_Face(face);
    return nullptr;
}

// Code points of 0x80..0x9F in code page 1252; the rest of the page is Latin-1.
constexpr uint16_t kAnsiHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool MatchFontFile(const std::string& family, bool bold, bool italic, std::string& file, std::string& error) {
    const PackagedFamily* packaged = PackagedOf(family);
    const char* package = packaged ? packaged->package : "fonts-dejavu-core";
    if (!FcInit()) {
        error = "fontconfig could not be initialised";
        return false;
    }
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    FcChar8* got = nullptr;
    FcChar8* path = nullptr;
    bool ok = match && FcPatternGetString(match, FC_FAMILY, 0, &got) == FcResultMatch &&
              FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch;
    // fontconfig always offers something; a different family would draw the wrong letters.
    if (ok && strcasecmp(reinterpret_cast<const char*>(got), family.c_str()) != 0) {
        error = "no installed font of the family \"" + family + "\" (fontconfig offers \"" +
                reinterpret_cast<const char*>(got) + "\"); install " + package;
        ok = false;
    } else if (!ok) {
        error = "no installed font for \"" + family + "\"; install " + package;
    } else {
        file = reinterpret_cast<const char*>(path);
    }
    if (match) FcPatternDestroy(match);
    return ok;
}

}  // namespace

FontFace::~FontFace() {
    if (face_) FT_Done_Face(static_cast<FT_Face>(face_));
}

std::string FontFace::MappedFamily(const std::string& face) {
    if (face.rfind("DejaVu", 0) == 0) return face;
    return AliasOf(face).family;
}

uint32_t FontFace::AnsiToUnicode(uint8_t code) {
    return (code >= 0x80 && code < 0xA0) ? kAnsiHigh[code - 0x80] : code;
}

std::shared_ptr<FontFace> FontFace::Open(const FontRequest& request, std::string& error) {
    // Every dialog makes the same few fonts again: one face, with its glyphs, serves each
    // request for the life of the process, so fontconfig and FreeType are asked once.
    static std::map<std::tuple<std::string, int, int, bool>, std::shared_ptr<FontFace>> opened;
    const auto key = std::make_tuple(request.face, request.height, request.weight, request.italic);
    if (auto found = opened.find(key); found != opened.end()) return found->second;
    auto face = OpenUncached(request, error);
    if (face) opened.emplace(key, face);
    return face;
}

// fontconfig reads its whole configuration, some hundred files, before its first answer; the
// packaged file of the usual families needs none of it.
bool FontFace::FindFile(const std::string& root, const std::string& family, bool bold, bool italic, std::string& file,
                        std::string& error, void** opened) {
    FT_Face packaged = OpenPackaged(root, family, bold, italic, file);
    if (opened) *opened = packaged;
    else if (packaged) FT_Done_Face(packaged);
    return packaged || MatchFontFile(family, bold, italic, file, error);
}

std::shared_ptr<FontFace> FontFace::OpenUncached(const FontRequest& request, std::string& error) {
    const std::string family = MappedFamily(request.face);
    const bool bold = request.weight >= 600;
    std::string file;
    void* packaged = nullptr;
    if (!FindFile("", family, bold, request.italic, file, error, &packaged)) return nullptr;
    std::shared_ptr<FontFace> face(new FontFace());
    face->family_ = family;
    if (!face->Load(file, packaged, request, AliasOf(request.face).emPercent, error)) return nullptr;
    return face;
}

bool FontFace::Load(const std::string& file, void* opened, const FontRequest& request, int emPercent,
                    std::string& error) {
    FT_Face face = static_cast<FT_Face>(opened);
    if (!face && (!FreeType() || FT_New_Face(FreeType(), file.c_str(), 0, &face) != 0)) {
        error = "cannot read the font file " + file;
        return false;
    }
    face_ = face;
    file_ = file;
    const double cellUnits = double(face->ascender - face->descender);
    if (request.height < 0)
        em_ = -request.height;
    else if (request.height > 0)
        em_ = int(std::lround(request.height * face->units_per_EM / cellUnits));
    else
        em_ = 13;
    em_ = int(std::lround(em_ * emPercent / 100.0));
    if (em_ < 1) em_ = 1;
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(em_));
    ascent_ = int((face->size->metrics.ascender + 63) >> 6);
    descent_ = int((-face->size->metrics.descender + 63) >> 6);
    maxAdvance_ = int((face->size->metrics.max_advance + 63) >> 6);
    return true;
}

const FontGlyph& FontFace::Glyph(uint8_t code) {
    if (glyphs_[code]) return *glyphs_[code];
    auto glyph = std::make_unique<FontGlyph>();
    FT_Face face = static_cast<FT_Face>(face_);
    if (FT_Load_Char(face, AnsiToUnicode(code), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0) {
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bm = slot->bitmap;
        glyph->left = slot->bitmap_left;
        glyph->top = slot->bitmap_top;
        glyph->advance = int((slot->advance.x + 32) >> 6);
        glyph->width = int(bm.width);
        glyph->rows = int(bm.rows);
        glyph->coverage.resize(size_t(bm.width) * bm.rows);
        for (unsigned r = 0; r < bm.rows; ++r) {
            const uint8_t* row = bm.buffer + int(r) * bm.pitch;
            for (unsigned c = 0; c < bm.width; ++c)
                glyph->coverage[r * bm.width + c] = (row[c >> 3] >> (7 - (c & 7))) & 1;
        }
    }
    glyphs_[code] = std::move(glyph);
    return *glyphs_[code];
}
