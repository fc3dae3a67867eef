// The shape codes' one table and the rule of which padstacks a list offers, which the store
// writes a second time in SQL: both must answer alike for every code.
#include <gtest/gtest.h>

#include <string>

#include "host/zelmdb/pad_shape.h"
#include "tests/host/zelmdb/design_fixture.h"

using namespace zelmdb;

namespace {

TEST(PadShapeTest, EveryNamedShapeIsFoundByItsOptionAndNoOtherCode) {
    for (const PadShapeName& row : PadShapeNames) {
        ASSERT_NE(PadShapeOption(row.option), nullptr) << row.option;
        EXPECT_EQ(PadShapeOption(row.option)->shape, row.shape);
        EXPECT_EQ(PadShapeNamed(row.shape), &row);
        EXPECT_TRUE(Listable(row.shape)) << row.option;
    }
    for (int code : {0, int(FirstHostShape), int(LastHostShape), 9, 255})
        EXPECT_EQ(PadShapeNamed(PadShape(code)), nullptr) << code;
    EXPECT_EQ(PadShapeOption("roundrect"), nullptr) << "a host name of the command line, not a shape";
}

class ListedPadstackTest : public DesignFixture {};

// Top-layer codes across the whole byte, each over an empty, a round and a host-only bottom.
TEST_F(ListedPadstackTest, TheStoreOffersWhatTheRuleOffers) {
    ASSERT_TRUE(Design().Begin().ok());
    const PadShape bottoms[] = {PadShape::None, PadShape::Round, PadShape(FirstHostShape)};
    for (int top = 0; top <= 255; ++top) {
        for (PadShape bottom : bottoms) {
            // Appended: GCC 12 at -O3 warns falsely (-Wrestrict) on "P" + std::to_string(top).
            const std::string name =
                std::string("P").append(std::to_string(top)).append("-").append(std::to_string(int(bottom)));
            Padstack p{Given(Design().NewPadstack()), Given(Design().NameCreate(name)), {}};
            p.layers.resize(size_t(Design().info().layerCount));
            p.Layer(PadLayer::Top) = {100, 100, 0, 0, PadShape(top), 0};
            p.Layer(PadLayer::Bottom) = {100, 100, 0, 0, bottom, 0};
            ASSERT_TRUE(Design().PutPadstack(p).ok());
            const bool offered = Listable(PadShape(top)) || (PadShape(top) == PadShape::None && bottom != PadShape::None);
            EXPECT_EQ(Design().FindListedPadstack(name) != 0, offered) << name;
        }
    }
}

}  // namespace
