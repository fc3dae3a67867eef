// Whole-text numbers; see number_text.h.
#include "host/land/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace land {

Result<double> ParseNumber(std::string_view text, std::string_view what) {
    double v = 0;
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, v, std::chars_format::fixed);
    if (text.empty() || ec != std::errc() || at != end || !std::isfinite(v))
        return Failure{std::string(what) + " '" + std::string(text) + "' is not a number"};
    return v == 0 ? 0.0 : v;   // "-0" is 0
}

Result<int> ParseCount(std::string_view text, std::string_view what, int low, int high) {
    int v = 0;
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec == std::errc::invalid_argument || at != end)
        return Failure{std::string(what) + " '" + std::string(text) + "' is not a whole number"};
    if (ec == std::errc::result_out_of_range || v < low || v > high)
        return Failure{std::string(what) + " " + std::string(text) + " is out of range (" + std::to_string(low) +
                       " to " + std::to_string(high) + ")"};
    return v;
}

std::string Mm(double mm) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.4f", mm);
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string NumberText(double v) {
    char buffer[400];   // the longest fixed form of a double
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v == 0 ? 0.0 : v, std::chars_format::fixed);
    return ec == std::errc() ? std::string(buffer, end) : Mm(v);
}

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace land
