// Rotation and unit texts of the Select Padstack dialog.
#include "padstack/padstack_value_texts.h"

#include <gtest/gtest.h>

#include "array/unit_table.h"

namespace {

struct RotationCase {
    int16_t minutes;
    const char* text;
};

TEST(PadstackValueTextsTest, RotationShowsMinutesOnlyWhenThereAreAny) {
    const RotationCase cases[] = {{5400, "90"}, {5430, "90 30'"}, {0, "0"}, {-90, "-1 -30'"}, {-5400, "-90"}, {59, "0 59'"}};
    for (const RotationCase& c : cases) EXPECT_EQ(RotationText(c.minutes), c.text) << c.minutes;
}

struct UnitCase {
    uint8_t code;
    const char* text;
};

TEST(PadstackValueTextsTest, UnitCodesOutsideTheHostsRangeShowDashes) {
    const UnitCase cases[] = {{0, "(--)"}, {1, "(mils)"}, {2, "(inches)"}, {3, "(centimeters)"},
                              {4, "(millimeters)"}, {5, "(microns)"}, {6, "(--)"}, {255, "(--)"}};
    for (const UnitCase& c : cases) EXPECT_STREQ(UnitSuffix(c.code), c.text) << int(c.code);
}

}  // namespace
