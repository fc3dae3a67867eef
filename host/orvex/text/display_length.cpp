// Display lengths; see display_length.h.
#include "host/orvex/text/display_length.h"

#include <cstdio>

#include "host/zelmdb/unit_table.h"

std::string DisplayLength(int64_t units, const zelmdb::DesignInfo& design, bool trimmed) {
    const zelmdb::UnitInfo* unit = zelmdb::UnitByCode(design.unitCode);
    if (unit == nullptr) return std::to_string(units);
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", unit->decimals, double(units) * design.inchesPerUnit / unit->inchesPerUnit);
    std::string shown = text;
    if (trimmed && shown.find('.') != std::string::npos) {
        shown.erase(shown.find_last_not_of('0') + 1);
        if (shown.back() == '.') shown.pop_back();
    }
    return shown == "-0" ? "0" : shown;
}
