// Pad names made pad after pad; see pad_namer.h.
#include "array/pad_namer.h"

#include <algorithm>

#include "array/short_copy.h"

PadNamer::PadNamer(const ArrayParameters& params)
    : x_(params.X.Alphabetic != 0), y_(params.Y.Alphabetic != 0) {
    const std::string_view format = NameFormatOf(params);
    ForEachFormatPiece(format, [&](FormatPiece piece) {
        if (pieceCount_ < pieces_.size()) pieces_[pieceCount_++] = piece;
    });
    alone_ = format.size() == 2 && pieceCount_ == 1 && pieces_[0].kind != FormatPiece::Text;
}

std::string_view PadNamer::AxisText::Of(int32_t index) {
    if (!made_ || index != index_) {
        length_ = IndexText(index, alphabetic_, text_);
        index_ = index;
        made_ = true;
    }
    return {text_, length_};
}

std::string_view PadNamer::Name(int32_t xIndex, int32_t yIndex) {
    // One text of at most kIndexTextBuffer - 1 characters fits the name's room whole.
    if (alone_) return pieces_[0].kind == FormatPiece::X ? x_.Of(xIndex) : y_.Of(yIndex);
    constexpr size_t room = kPadNameBuffer - 1;
    size_t length = 0;
    for (size_t i = 0; i < pieceCount_; ++i) {
        const FormatPiece piece = pieces_[i];
        if (piece.kind == FormatPiece::Text) {
            if (length < room) name_[length++] = piece.c;
            continue;
        }
        const std::string_view text = piece.kind == FormatPiece::X ? x_.Of(xIndex) : y_.Of(yIndex);
        const size_t taken = std::min(text.size(), room - length);
        CopyShort(name_ + length, text.data(), taken);
        length += taken;
    }
    name_[length] = '\0';
    return {name_, length};
}
