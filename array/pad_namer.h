// Names the pads of one arrangement one after the other, as placement asks for them.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "array/array_parameters.h"
#include "array/pad_naming.h"

// The format is read once, into the pieces a name is put together from. An index text is made
// only when the format uses it and only when its index has moved since the pad before (the
// pads of a grid row share their letters), and a format that is one placeholder alone is that
// text itself. The names are those BuildPadName makes.
class PadNamer {
public:
    // Reads the format and index kinds of `params`; the active alphabet must not change while
    // it names.
    explicit PadNamer(const ArrayParameters& params);
    PadNamer(const PadNamer&) = delete;
    PadNamer& operator=(const PadNamer&) = delete;

    // The name of the pad with these indices; valid until the next call.
    std::string_view Name(int32_t xIndex, int32_t yIndex);

private:
    // The text of one axis's index, kept until another index is asked for.
    class AxisText {
    public:
        explicit AxisText(bool alphabetic) : alphabetic_(alphabetic) {}
        std::string_view Of(int32_t index);

    private:
        bool alphabetic_;
        bool made_ = false;
        int32_t index_ = 0;
        size_t length_ = 0;
        char text_[kIndexTextBuffer];
    };

    std::array<FormatPiece, kNameFormatSize> pieces_;
    size_t pieceCount_ = 0;
    bool alone_ = false;   // the format is "%X" or "%Y" (either case) and nothing else
    AxisText x_;
    AxisText y_;
    char name_[kPadNameBuffer];
};
