// A toleranced length of a datasheet, in millimetres, and the forms it is written in: "0.4",
// "6.0+-0.2", "0.31..0.51", "4.8..4.9..5.0"; JSON gives the same as numbers it has read.
#pragma once
#include <string>
#include <string_view>

#include "host/base/result.h"

namespace land {

// No datasheet length of a package reaches this; a larger one is a typing error.
constexpr double kMaxLengthMm = 1000;

struct Dimension {
    double min = 0, nominal = 0, max = 0;

    double Tolerance() const { return max - min; }
    bool operator==(const Dimension&) const = default;

    // Each refuses, naming `key`, a negative or oversized value and limits out of order.
    static Result<Dimension> Exact(double nominal, std::string_view key);
    static Result<Dimension> Toleranced(double nominal, double tolerance, std::string_view key);
    // Without a nominal, the middle of the limits stands for it.
    static Result<Dimension> Limits(double min, double max, std::string_view key);
    static Result<Dimension> Limits(double min, double nominal, double max, std::string_view key);
};

Result<Dimension> ParseDimension(std::string_view text, std::string_view key);
// The shortest form that gives the dimension back: "0.4", "0.31..0.51", "4.8..4.9..5".
std::string DimensionText(const Dimension& d);

}  // namespace land
