// Toleranced lengths and their written forms; see dimension.h.
#include "host/land/dimension.h"

#include <cmath>
#include <vector>

#include "host/land/number_text.h"

namespace land {
namespace {

std::string Named(std::string_view key, const Dimension& d) { return std::string(key) + " " + DimensionText(d); }

Result<Dimension> Checked(const Dimension& d, std::string_view key) {
    for (double v : {d.min, d.nominal, d.max}) {
        if (!std::isfinite(v)) return Failure{std::string(key) + ": a dimension must be a finite number"};
        if (v < 0) return Failure{Named(key, d) + ": a size cannot be negative"};
        if (v > kMaxLengthMm) return Failure{Named(key, d) + ": larger than " + Mm(kMaxLengthMm) + " mm"};
    }
    if (d.min > d.max)
        return Failure{Named(key, d) + ": the minimum " + Mm(d.min) + " is above the maximum " + Mm(d.max)};
    if (d.nominal < d.min || d.nominal > d.max)
        return Failure{Named(key, d) + ": the nominal " + Mm(d.nominal) + " lies outside " + Mm(d.min) + ".." +
                       Mm(d.max)};
    return d;
}

// The parts of "a..b..c", each trimmed; one part when there is no "..".
std::vector<std::string_view> SplitRange(std::string_view text) {
    std::vector<std::string_view> parts;
    for (size_t at = 0;;) {
        const size_t dots = text.find("..", at);
        parts.push_back(Trim(text.substr(at, dots == std::string_view::npos ? std::string_view::npos : dots - at)));
        if (dots == std::string_view::npos) return parts;
        at = dots + 2;
    }
}

// "6.0+-0.2" and "6.0 ± 0.2"; npos and 0 when the text has no such sign.
std::pair<size_t, size_t> PlusMinus(std::string_view text) {
    if (const size_t at = text.find("+-"); at != std::string_view::npos) return {at, 2};
    if (const size_t at = text.find("\xC2\xB1"); at != std::string_view::npos) return {at, 2};
    return {std::string_view::npos, 0};
}

// A number of the form, refused with the whole text so that a person sees where it went wrong.
Result<double> Part(std::string_view part, std::string_view whole, std::string_view key) {
    Result<double> v = ParseNumber(part, key);
    if (v.ok()) return v;
    return Failure{std::string(key) + " '" + std::string(whole) + "': '" + std::string(part) +
                   "' is not a number (a dimension is NOM, NOM+-TOL, MIN..MAX or MIN..NOM..MAX)"};
}

}  // namespace

Result<Dimension> Dimension::Exact(double nominal, std::string_view key) {
    return Checked({nominal, nominal, nominal}, key);
}

Result<Dimension> Dimension::Toleranced(double nominal, double tolerance, std::string_view key) {
    if (!(tolerance >= 0))
        return Failure{std::string(key) + " " + Mm(nominal) + "+-" + Mm(tolerance) + ": a tolerance cannot be negative"};
    return Checked({nominal - tolerance, nominal, nominal + tolerance}, key);
}

Result<Dimension> Dimension::Limits(double min, double max, std::string_view key) {
    return Checked({min, (min + max) / 2, max}, key);
}

Result<Dimension> Dimension::Limits(double min, double nominal, double max, std::string_view key) {
    return Checked({min, nominal, max}, key);
}

Result<Dimension> ParseDimension(std::string_view text, std::string_view key) {
    const std::string_view whole = Trim(text);
    if (const auto [at, length] = PlusMinus(whole); at != std::string_view::npos) {
        TRY_ASSIGN(nominal, Part(Trim(whole.substr(0, at)), whole, key));
        TRY_ASSIGN(tolerance, Part(Trim(whole.substr(at + length)), whole, key));
        return Dimension::Toleranced(nominal, tolerance, key);
    }
    const std::vector<std::string_view> parts = SplitRange(whole);
    if (parts.size() > 3)
        return Failure{std::string(key) + " '" + std::string(whole) +
                       "': a dimension is NOM, NOM+-TOL, MIN..MAX or MIN..NOM..MAX"};
    std::vector<double> values;
    for (std::string_view part : parts) {
        TRY_ASSIGN(v, Part(part, whole, key));
        values.push_back(v);
    }
    if (values.size() == 1) return Dimension::Exact(values[0], key);
    if (values.size() == 2) return Dimension::Limits(values[0], values[1], key);
    return Dimension::Limits(values[0], values[1], values[2], key);
}

std::string DimensionText(const Dimension& d) {
    if (d.min == d.max) return Mm(d.nominal);
    if (std::abs(d.nominal - (d.min + d.max) / 2) < 1e-9) return Mm(d.min) + ".." + Mm(d.max);
    return Mm(d.min) + ".." + Mm(d.nominal) + ".." + Mm(d.max);
}

}  // namespace land
