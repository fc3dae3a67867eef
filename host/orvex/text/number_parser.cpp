// Whole-text number parsing; see number_parser.h.
#include "host/orvex/text/number_parser.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "host/orvex/text/latin1.h"

namespace number_parser {

Result<double> Real(const std::string& text, const std::string& what) {
    char* end = nullptr;
    errno = 0;
    const double v = text.empty() ? 0 : std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno == ERANGE || !std::isfinite(v) ||
        text.find_first_of("xXpPnN") != std::string::npos) {
        return Result<double>::Fail(what + " '" + Utf8FromLatin1(text) + "' is not a number");
    }
    return v;
}

Result<long> Integer(const std::string& text, const std::string& what, long low, long high) {
    char* end = nullptr;
    errno = 0;
    const long v = text.empty() ? 0 : std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE) {
        return Result<long>::Fail(what + " '" + Utf8FromLatin1(text) + "' is not a whole number");
    }
    if (v < low || v > high) {
        return Result<long>::Fail(what + " " + Utf8FromLatin1(text) + " is out of range (" + std::to_string(low) +
                                  " to " + std::to_string(high) + ")");
    }
    return v;
}

Result<int32_t> Length(const std::string& text, const std::string& what,
                       double inchesPerDisplayUnit, double inchesPerDatabaseUnit) {
    Result<double> v = Real(text, what);
    if (!v.ok()) return Result<int32_t>::Fail(v.error());
    // Typed decimals are not exact in binary: 0.15 microns must give 1.5 units and round up, so
    // the product is snapped to a millionth of a unit before rounding half away from zero.
    const double ratio = inchesPerDisplayUnit / inchesPerDatabaseUnit;
    const double units = std::round(v.value() * ratio * 1e6) / 1e6;
    const double rounded = units < 0 ? -std::floor(-units + 0.5) : std::floor(units + 0.5);
    if (rounded > 2147483647.0 || rounded < -2147483648.0) {
        return Result<int32_t>::Fail(what + " " + Utf8FromLatin1(text) + " is too large for the design");
    }
    return int32_t(rounded);
}

}  // namespace number_parser
