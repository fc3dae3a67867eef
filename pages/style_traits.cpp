// The six rows. Controls that share a place are hidden in groups; a page shows only its own.
#include "pages/style_traits.h"

#include <initializer_list>

#include "res/page_texts.h"
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
        {.pageIndex = 0, .style = ArrayStyle::DualQuad, .className = "CDualQuadPage",
         .tabCaption = page_texts::kDualQuadTab, .nameFormat = "%Y", .sampleTitle = page_texts::kDualQuadSample,
         .helpTopic = 420, .p = 2, .q = 1, .xStart = 0, .xIncrement = 0, .yStart = 1, .yIncrement = 1,
         .angleText = "",
         .lastValid = {"2", "0", "1", "1", "1", "0", "1", "1", "0", "0", nullptr, nullptr, nullptr},
         .hidden = Join({kR, kAngle, kD, kPin1, kShort, kPadName}),
         .disabled = Join({kNumberP, kNamingX, {IDC_LABEL_PIN1}}),
         .copies = kCopyXSpacing | kCopyYAll | kCopyW | kCopyZ, .yAlphabeticChecked = false, .yAlphabetic = 0,
         .cornerStart = false, .alphaNumericNaming = false, .pSpin = {2, 2}, .qSpin = {1, 100},
         .rowDeltaSpin = false},
        {.pageIndex = 1, .style = ArrayStyle::StaggerX, .className = "CConnectorStaggerXPage",
         .tabCaption = page_texts::kStaggerXTab, .nameFormat = "%X", .sampleTitle = page_texts::kStaggerXSample,
         .helpTopic = 421, .p = 1, .q = 1, .xStart = 0, .xIncrement = 1, .yStart = 0, .yIncrement = 0,
         .angleText = "",
         .lastValid = {"1", "0", "0", "1", "1", "0", "0", "0", "0", nullptr, "0", nullptr, nullptr},
         .hidden = Join({kZ, kR, kAngle, kPin1, kShort, kPadName}), .disabled = Join({kNamingY}),
         .copies = kCopyXAll | kCopyY | kCopyW | kCopyRowDelta, .yAlphabeticChecked = true, .yAlphabetic = 1,
         .cornerStart = false, .alphaNumericNaming = false, .pSpin = {1, 1000}, .qSpin = {1, 1000},
         .rowDeltaSpin = true},
        {.pageIndex = 2, .style = ArrayStyle::StaggerY, .className = "CConnectorStaggerYPage",
         .tabCaption = page_texts::kStaggerYTab, .nameFormat = "%Y", .sampleTitle = page_texts::kStaggerYSample,
         .helpTopic = 422, .p = 1, .q = 1, .xStart = 0, .xIncrement = 0, .yStart = 0, .yIncrement = 1,
         .angleText = "",
         .lastValid = {"1", "0", "0", "0", "1", "0", "0", "1", "0", nullptr, nullptr, nullptr, nullptr},
         .hidden = Join({kZ, kR, kAngle, kD, kPin1, kShort, kPadName}), .disabled = Join({kNamingX}),
         .copies = kCopyXSpacing | kCopyYAll | kCopyW, .yAlphabeticChecked = true, .yAlphabetic = 1,
         .cornerStart = false, .alphaNumericNaming = false, .pSpin = {1, 1000}, .qSpin = {1, 1000},
         .rowDeltaSpin = false},
        {.pageIndex = 3, .style = ArrayStyle::ChipCarrier, .className = "CChipCarrierPage",
         .tabCaption = page_texts::kChipCarrierTab, .nameFormat = "%X",
         .sampleTitle = page_texts::kChipCarrierSample, .helpTopic = 417, .p = 1, .q = 1, .xStart = 1,
         .xIncrement = 1, .yStart = 0, .yIncrement = 0, .angleText = "",
         .lastValid = {"1", "0", "1", "1", "1", "0", "0", "0", "0", "0", nullptr, nullptr, nullptr},
         .hidden = Join({kR, kAngle, kD, kLong, kPadName}), .disabled = Join({kNamingY}),
         .copies = kCopyXAll | kCopyY | kCopyW | kCopyZ, .yAlphabeticChecked = true, .yAlphabetic = 1,
         .cornerStart = true, .alphaNumericNaming = false, .pSpin = {1, 1000}, .qSpin = {1, 1000},
         .rowDeltaSpin = false},
        {.pageIndex = 4, .style = ArrayStyle::Circular, .className = "CCircularPage",
         .tabCaption = page_texts::kCircularTab, .nameFormat = "%X", .sampleTitle = page_texts::kCircularSample,
         .helpTopic = 418, .p = 1, .q = 1, .xStart = 1, .xIncrement = 1, .yStart = 0, .yIncrement = 0,
         .angleText = "0",
         .lastValid = {"1", "0", "1", "1", "1", "0", "0", "0", nullptr, nullptr, nullptr, "0", "0"},
         .hidden = Join({kW, kZ, kD, kPin1, kShort, kPadName}), .disabled = Join({kPitches, kNamingY}),
         .copies = kCopyXNaming | kCopyCircle, .yAlphabeticChecked = true, .yAlphabetic = -1,
         .cornerStart = false, .alphaNumericNaming = false, .pSpin = {1, 1000}, .qSpin = {0, 1},
         .rowDeltaSpin = false},
        {.pageIndex = 5, .style = ArrayStyle::Grid, .className = "CGridArrayPage",
         .tabCaption = page_texts::kGridTab, .nameFormat = "%Y%X", .sampleTitle = page_texts::kGridSample,
         .helpTopic = 419, .p = 1, .q = 1, .xStart = 1, .xIncrement = 1, .yStart = 0, .yIncrement = 1,
         .angleText = "",
         .lastValid = {"1", "0", "1", "1", "1", "0", "0", "1", nullptr, nullptr, nullptr, nullptr, nullptr},
         .hidden = Join({kW, kZ, kR, kAngle, kD, kPin1, kLong}),
         .disabled = Join({{IDC_ALPHABETIC_X, IDC_NUMERIC_Y}}), .copies = kCopyXAll | kCopyYAll,
         .yAlphabeticChecked = true, .yAlphabetic = 1, .cornerStart = false, .alphaNumericNaming = true,
         .pSpin = {1, 1000}, .qSpin = {1, 1000}, .rowDeltaSpin = false},
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
