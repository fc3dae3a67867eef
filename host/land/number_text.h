// Numbers as datasheets and command lines write them, read whole and in any locale: "0.31" is
// a number, "0.31mm", "0x1p2", "inf" and "" are not.
#pragma once
#include <string>
#include <string_view>

#include "host/base/result.h"

namespace land {

// `what` names the number in the refusal ("lead_width").
Result<double> ParseNumber(std::string_view text, std::string_view what);
Result<int> ParseCount(std::string_view text, std::string_view what, int low, int high);

// A length for messages and the doc: at most four decimals, no trailing zeros ("0.31", "6").
std::string Mm(double mm);
// The shortest text that reads back as the same number, without an exponent: what is kept.
std::string NumberText(double v);
// The text without blanks at its ends.
std::string_view Trim(std::string_view text);

}  // namespace land
