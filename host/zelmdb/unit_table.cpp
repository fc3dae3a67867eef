// The unit table; see unit_table.h.
#include "host/zelmdb/unit_table.h"

namespace zelmdb {

namespace {

// Decimals give about a tenth of a micron or better, the default database resolution.
const UnitInfo Units[] = {
    {1, "mils", 0.001, 2},
    {2, "inches", 1.0, 5},
    {3, "cm", 1.0 / 2.54, 5},
    {4, "mm", 1.0 / 25.4, 4},
    {5, "microns", 1.0 / 25400.0, 1},
};

}  // namespace

const UnitInfo* UnitByCode(int code) {
    for (const auto& u : Units) {
        if (u.code == code) return &u;
    }
    return nullptr;
}

const UnitInfo* UnitByOption(std::string_view option) {
    for (const auto& u : Units) {
        if (option == u.option) return &u;
    }
    return nullptr;
}

}  // namespace zelmdb
