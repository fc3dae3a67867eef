// Pad names made pad after pad; see pad_namer.h.
#include "array/pad_namer.h"

PadNamer::PadNamer(const ArrayParameters& params)
    : format_(NameFormatOf(params)), x_(params.X.Alphabetic != 0), y_(params.Y.Alphabetic != 0) {
    // Only the placeholders the check finds are wanted here, not its verdict on the style.
    NameFormatProblem(format_, params.Style, &fields_);
    alone_ = format_.size() == 2 && format_[0] == '%' && fields_ != 0;
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
    if (alone_) return fields_ == kFormatFieldX ? x_.Of(xIndex) : y_.Of(yIndex);
    const std::string_view xText = (fields_ & kFormatFieldX) ? x_.Of(xIndex) : std::string_view();
    const std::string_view yText = (fields_ & kFormatFieldY) ? y_.Of(yIndex) : std::string_view();
    return {name_, BuildPadName(format_, xText, yText, name_, sizeof name_)};
}
