// A FreeType face at one pixel size, reached through a face-name map to installed fonts.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct FontGlyph {
    int left = 0;      // from the pen position to the first column
    int top = 0;       // from the baseline up to the first row
    int advance = 0;
    int width = 0;
    int rows = 0;
    std::vector<uint8_t> coverage;   // one byte per pixel, 0 or 1 (monochrome, as dialogs draw)
};

struct FontRequest {
    std::string face;
    int height = 0;   // negative: character height; positive: cell height; 0: default
    int weight = 0;
    bool italic = false;
};

class FontFace {
public:
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // Null with a message in `error` when no installed font serves the request. The same
    // request gives the same face.
    static std::shared_ptr<FontFace> Open(const FontRequest& request, std::string& error);

    // The installed family an application face name stands for.
    static std::string MappedFamily(const std::string& face);
    // The font file of `family` in that weight and slant: the one its Debian package installs
    // under `root` ("" for the system) when FreeType reads it as that family and style,
    // otherwise fontconfig's match. With `opened`, a packaged file's face read for the check is
    // handed over there (null after fontconfig's match) instead of closed.
    static bool FindFile(const std::string& root, const std::string& family, bool bold, bool italic, std::string& file,
                         std::string& error, void** opened = nullptr);

    const FontGlyph& Glyph(uint8_t ansiCode);
    int Ascent() const { return ascent_; }
    int Descent() const { return descent_; }
    int EmPixels() const { return em_; }
    // The font's own widest advance: measuring every glyph would render the whole code page.
    int MaxAdvance() const { return maxAdvance_; }
    const std::string& Family() const { return family_; }
    const std::string& File() const { return file_; }

    // Windows ANSI code page 1252 to Unicode.
    static uint32_t AnsiToUnicode(uint8_t code);

private:
    FontFace() = default;
    static std::shared_ptr<FontFace> OpenUncached(const FontRequest& request, std::string& error);
    // `opened` is the file's FT_Face when the caller has it open already, else null.
    bool Load(const std::string& file, void* opened, const FontRequest& request, int emPercent, std::string& error);

    void* face_ = nullptr;   // FT_Face, kept opaque so callers need no FreeType headers
    std::string family_;
    std::string file_;
    int em_ = 0;
    int ascent_ = 0;
    int descent_ = 0;
    int maxAdvance_ = 0;
    std::unique_ptr<FontGlyph> glyphs_[256];
};
