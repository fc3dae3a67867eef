// Numbers typed on the command line, checked whole: "0.6" is a number, "0.6mm" and "" are not.
#pragma once
#include <cstdint>
#include <string>

#include "host/base/result.h"

namespace number_parser {

Result<double> Real(const std::string& text, const std::string& what);
Result<long> Integer(const std::string& text, const std::string& what, long low, long high);
// A length in the display unit into database units, rounded half away from zero.
Result<int32_t> Length(const std::string& text, const std::string& what,
                               double inchesPerDisplayUnit, double inchesPerDatabaseUnit);

}  // namespace number_parser
