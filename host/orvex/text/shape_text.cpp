// Reading the shape texts of a padstack; see shape_text.h.
#include "host/orvex/text/shape_text.h"

#include "host/orvex/text/number_parser.h"

namespace {

Result<int32_t> LengthOf(const std::string& text, const std::string& what, const LengthUnits& units) {
    return number_parser::Length(text, what, units.inchesPerDisplayUnit, units.inchesPerDatabaseUnit);
}

// The words of the text between blanks.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    size_t at = 0;
    while ((at = text.find_first_not_of(" \t", at)) != std::string::npos) {
        const size_t end = text.find_first_of(" \t", at);
        words.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
        at = end;
    }
    return words;
}

}  // namespace

Result<std::vector<zelmdb::FormPoint>> PolygonOfText(const std::string& text, const LengthUnits& units) {
    std::vector<zelmdb::FormPoint> points;
    for (const std::string& word : Words(text)) {
        const std::string which = "polygon point " + std::to_string(points.size() + 1);
        const size_t comma = word.find(',');
        if (comma == std::string::npos || word.find(',', comma + 1) != std::string::npos)
            return Failure{which + " '" + word + "' is not X,Y"};
        TRY_ASSIGN(x, LengthOf(word.substr(0, comma), which + " x", units));
        TRY_ASSIGN(y, LengthOf(word.substr(comma + 1), which + " y", units));
        points.push_back({x, y});
        if (points.size() > zelmdb::MaxPolygonPoints)
            return Failure{"a polygon has at most " + std::to_string(zelmdb::MaxPolygonPoints) + " points"};
    }
    return points;
}

Result<LengthPair> SizeOfText(const std::string& text, const std::string& what, const LengthUnits& units) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return Failure{what + " " + text + " is not WIDTHxHEIGHT"};
    TRY_ASSIGN(width, LengthOf(text.substr(0, x), what + " width", units));
    TRY_ASSIGN(height, LengthOf(text.substr(x + 1), what + " height", units));
    if (width <= 0 || height <= 0) return Failure{what + " " + text + " must be more than 0 each way"};
    return LengthPair{width, height};
}
