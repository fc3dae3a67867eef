// The six rows. Controls that share a place are hidden in groups; a page shows only its own.
#include "array/pages/style_traits.h"

#include <initializer_list>

#include "res/resource.h"

namespace {

using Ids = std::initializer_list<int>;

std::vector<int> Join(std::initializer_list<Ids> groups) {
    std::vector<int> ids;
    for (const Ids& group : groups) ids.insert(ids.end(), group);
    return ids;
}

const Ids kW{IDC_LABEL_STAGGER_W, IDC_STAGGER_W};
const Ids kZ{IDC_LABEL_STAGGER_Z, IDC_STAGGER_Z};
const Ids kR{IDC_LABEL_RADIUS, IDC_RADIUS};
const Ids kAngle{IDC_LABEL_ANGLE, IDC_ANGLE};
const Ids kD{IDC_LABEL_ROW_DELTA, IDC_ROW_DELTA, IDC_SPIN_D};
const Ids kPin1{IDC_LABEL_PIN1, IDC_LINE_PIN1, IDC_CORNER_QFP, IDC_CENTER_CC};
const Ids kLong{IDC_LINE_OPTIONS_LONG};
const Ids kShort{IDC_LINE_OPTIONS_SHORT};
const Ids kPadName{IDC_LABEL_PAD_NAME, IDC_LINE_PAD_NAME, IDC_PIN1_ALPHA_NUMERIC, IDC_PIN1_NUMERIC};

const Ids kNumberP{IDC_LABEL_NUMBER_P, IDC_NUMBER_P};
const Ids kNamingX{IDC_LABEL_START_X, IDC_START_X, IDC_LABEL_INCREMENT_X, IDC_INCREMENT_X,
                   IDC_NUMERIC_X, IDC_ALPHABETIC_X};
const Ids kNamingY{IDC_LABEL_START_Y, IDC_START_Y, IDC_LABEL_INCREMENT_Y, IDC_INCREMENT_Y,
                   IDC_NUMERIC_Y, IDC_ALPHABETIC_Y};
const Ids kPitches{IDC_LABEL_SPACING_X, IDC_SPACING_X, IDC_LABEL_NUMBER_Q, IDC_NUMBER_Q,
                   IDC_LABEL_SPACING_Y, IDC_SPACING_Y};

constexpr uint32_t kCopyXAll = kCopyXSpacing | kCopyXNaming;
constexpr uint32_t kCopyYAll = kCopyY | kCopyYNaming;

const std::vector<StyleTraits>& Rows() {
    static const std::vector<StyleTraits> rows = {
        {0, ArrayStyle::DualQuad, "CDualQuadPage", "Dual/Quad Inline", "%Y",
         "Dual/Quad InLine Style Sample", 420, 2, 1, 0, 0, 1, 1, "",
         {"2", "0", "1", "1", "1", "0", "1", "1", "0", "0", nullptr, nullptr, nullptr},
         Join({kR, kAngle, kD, kPin1, kShort, kPadName}), Join({kNumberP, kNamingX, {IDC_LABEL_PIN1}}),
         kCopyXSpacing | kCopyYAll | kCopyW | kCopyZ, false, 0, false, false, {2, 2}, {1, 100}, false},
        {1, ArrayStyle::StaggerX, "CConnectorStaggerXPage", "Connector Stagger X", "%X",
         "Connector Stagger X Style Sample", 421, 1, 1, 0, 1, 0, 0, "",
         {"1", "0", "0", "1", "1", "0", "0", "0", "0", nullptr, "0", nullptr, nullptr},
         Join({kZ, kR, kAngle, kPin1, kShort, kPadName}), Join({kNamingY}),
         kCopyXAll | kCopyY | kCopyW | kCopyRowDelta, true, 1, false, false, {1, 1000}, {1, 1000}, true},
        {2, ArrayStyle::StaggerY, "CConnectorStaggerYPage", "Connector Stagger Y", "%Y",
         "Connector Stagger Y Style Sample", 422, 1, 1, 0, 0, 0, 1, "",
         {"1", "0", "0", "0", "1", "0", "0", "1", "0", nullptr, nullptr, nullptr, nullptr},
         Join({kZ, kR, kAngle, kD, kPin1, kShort, kPadName}), Join({kNamingX}),
         kCopyXSpacing | kCopyYAll | kCopyW, true, 1, false, false, {1, 1000}, {1, 1000}, false},
        {3, ArrayStyle::ChipCarrier, "CChipCarrierPage", "QFP/Chip Carrier", "%X",
         "QFP/CC Style Sample", 417, 1, 1, 1, 1, 0, 0, "",
         {"1", "0", "1", "1", "1", "0", "0", "0", "0", "0", nullptr, nullptr, nullptr},
         Join({kR, kAngle, kD, kLong, kPadName}), Join({kNamingY}),
         kCopyXAll | kCopyY | kCopyW | kCopyZ, true, 1, true, false, {1, 1000}, {1, 1000}, false},
        {4, ArrayStyle::Circular, "CCircularPage", "Circular", "%X", "Circular Style Sample", 418,
         1, 1, 1, 1, 0, 0, "0",
         {"1", "0", "1", "1", "1", "0", "0", "0", nullptr, nullptr, nullptr, "0", "0"},
         Join({kW, kZ, kD, kPin1, kShort, kPadName}), Join({kPitches, kNamingY}),
         kCopyXNaming | kCopyCircle, true, -1, false, false, {1, 1000}, {0, 1}, false},
        {5, ArrayStyle::Grid, "CGridArrayPage", "GridArray", "%Y%X", "Grid Array Style Sample", 419,
         1, 1, 1, 1, 0, 1, "",
         {"1", "0", "1", "1", "1", "0", "0", "1", nullptr, nullptr, nullptr, nullptr, nullptr},
         Join({kW, kZ, kR, kAngle, kD, kPin1, kLong}), Join({{IDC_ALPHABETIC_X, IDC_NUMERIC_Y}}),
         kCopyXAll | kCopyYAll, true, 1, false, true, {1, 1000}, {1, 1000}, false},
    };
    return rows;
}

}  // namespace

const StyleTraits* FindStyleTraits(int index) {
    if (index < 0 || index >= kStylePageCount) return nullptr;
    return &Rows()[size_t(index)];
}

int PageOfStyle(ArrayStyle style) {
    for (const StyleTraits& row : Rows())
        if (row.style == style) return row.pageIndex;
    return -1;
}
