// Pad-name formats as a person types them: the format check for every style, then the names
// of pads at any indices. A format that passes the check names every pad within the record's
// buffer, and the cut name is the start of the whole one.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "array/pad_naming.h"

namespace {

int32_t Take(const uint8_t*& data, size_t& size) {
    int32_t v = 0;
    const size_t n = size < 4 ? size : 4;
    std::memcpy(&v, data, n);
    data += n;
    size -= n;
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const bool alphaX = data[0] & 1, alphaY = data[0] & 2;
    ++data, --size;
    const int32_t x = Take(data, size), y = Take(data, size);
    const std::string format(reinterpret_cast<const char*>(data), size);
    char alpha[kAlphaNameBuffer];
    if (AlphaIndexName(x, alpha) >= kAlphaNameBuffer) std::abort();
    for (int style = 1; style <= 6; ++style) {
        int32_t fields = 0;
        if (NameFormatProblem(format, ArrayStyle(style), &fields) != 0) continue;
        ArrayParameters params;
        params.Style = ArrayStyle(style);
        params.X.Alphabetic = alphaX;
        params.Y.Alphabetic = alphaY;
        if (!SetNameFormat(params, format)) continue;
        char cut[kPadNameBuffer];
        const size_t length = PadName(params, x, y, cut);
        if (length >= kPadNameBuffer || std::strlen(cut) != length) std::abort();
        char xText[kIndexTextBuffer], yText[kIndexTextBuffer];
        const size_t xn = IndexText(x, alphaX, xText), yn = IndexText(y, alphaY, yText);
        const std::string whole = BuildPadName(format, std::string_view(xText, xn), std::string_view(yText, yn));
        if (whole.compare(0, length, cut, length) != 0) std::abort();
    }
    return 0;
}
