// The display units of a design: code, names and size.
#pragma once
#include <string_view>

namespace zelmdb {

struct UnitInfo {
    int code;
    const char* option;        // as the command line and the JSON name it
    double inchesPerUnit;      // size of one display unit
    int decimals;              // what BaseToStr shows
};

const UnitInfo* UnitByCode(int code);
const UnitInfo* UnitByOption(std::string_view option);

}  // namespace zelmdb
