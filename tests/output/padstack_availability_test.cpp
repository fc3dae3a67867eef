// The padstack a page starts with: the design first, then the libraries of the host's list,
// then the temporary pad with its warning; the design is the active database afterwards.
#include "output/padstack_availability.h"

#include <gtest/gtest.h>

#include "host/zelmdb/zelmdb.h"
#include "output/layer_colours.h"
#include "tests/array/array_fixture.h"
#include "tests/support/store_records.h"

namespace {

using zelmdb::LayerGeometry;

class PadstackAvailabilityTest : public ArrayFixture {
protected:
    static void Pad(zelmdb::DesignStore& store, const std::string& name, zelmdb::PadShape top, zelmdb::PadShape bottom,
                    int32_t width) {
        zelmdb::Padstack p;
        p.layers.resize(14);
        p.layers[0] = LayerGeometry{width, width, width, width, top, 0};
        p.layers[1] = LayerGeometry{width, width, width, width, bottom, 0};
        StoreNewPadstack(store, p, name);
    }
    std::string Library(const std::string& file, const std::string& pad, zelmdb::PadShape top, zelmdb::PadShape bottom,
                        int32_t width) {
        zelmdb::DesignInfo info;
        info.kind = zelmdb::FileKind::Library;
        auto created = zelmdb::DesignStore::Create(Path(file), info);
        EXPECT_TRUE(created.ok()) << created.error();
        Pad(*created.value(), pad, top, bottom, width);
        return Path(file);
    }
    void List(const std::vector<std::string>& paths) {
        std::string text = "[PADSTACK_LIB]\r\n";
        for (size_t i = 0; i < paths.size(); ++i) text += "lib" + std::to_string(i) + "=" + paths[i] + "\r\n";
        WriteHostIni(text);
    }
    StartPadstack Start() {
        const uint8_t design = GetActiveDatabase();
        StartPadstack start = CheckPadstackAvailability();
        EXPECT_EQ(GetActiveDatabase(), design);
        LoadLayerColours();
        return start;
    }
};

TEST_F(PadstackAvailabilityTest, TheDesignsFirstTopPadWins) {
    Pad(Design(), "UNDER", zelmdb::PadShape::None, zelmdb::PadShape::Round, 10);     // only on layer 2: not taken from the design
    Pad(Design(), "SPECIAL", zelmdb::PadShape(6), zelmdb::PadShape::None, 10);   // a shape the dialog does not offer
    Pad(Design(), "TOP", zelmdb::PadShape::Rectangle, zelmdb::PadShape::None, 10);
    List({Library("a.olb", "LIB", zelmdb::PadShape::Round, zelmdb::PadShape::None, 50)});
    const StartPadstack start = Start();
    EXPECT_EQ(start.Name, "TOP");
    EXPECT_EQ(start.Info().Width(), 20);
    EXPECT_EQ(ThruFind("LIB"), 0);   // nothing was copied
    EXPECT_TRUE(ShownMessageBoxes().empty());
}

TEST_F(PadstackAvailabilityTest, TheLastLibraryWithAUsablePadIsCopied) {
    Pad(Design(), "UNDER", zelmdb::PadShape::None, zelmdb::PadShape::Round, 10);
    List({Library("a.olb", "FIRST", zelmdb::PadShape::Round, zelmdb::PadShape::None, 50), Path("missing.olb"), Library("b.olb", "BOTTOM", zelmdb::PadShape::None, zelmdb::PadShape::Oblong, 70),
          Library("c.olb", "NONE", zelmdb::PadShape(7), zelmdb::PadShape::None, 90)});
    const StartPadstack start = Start();
    EXPECT_EQ(start.Name, "BOTTOM");
    EXPECT_GT(ThruFind("BOTTOM"), 0);
    EXPECT_EQ(ThruFind("FIRST"), 0);
    const PadstackInfo info = start.Info();
    EXPECT_EQ(info.Shape, zelmdb::PadShape::Oblong);   // taken from layer 2, in the bottom colour
    EXPECT_EQ(info.Width(), 140);
    EXPECT_EQ(info.Colour, BottomColour);
}

TEST_F(PadstackAvailabilityTest, NothingAnywhereWarnsAndUsesTheTemporaryPad) {
    List({Path("missing.olb")});
    const StartPadstack start = Start();
    EXPECT_EQ(start.Name, "");
    const PadstackInfo info = start.Info();
    EXPECT_EQ(info.Width(), 3000);
    EXPECT_EQ(info.Height(), 3000);
    EXPECT_EQ(info.Drill(), 1500);
    EXPECT_EQ(info.Colour, TopColour);
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    EXPECT_EQ(ShownMessageBoxes()[0].Caption, "...Warning");
    EXPECT_EQ(ShownMessageBoxes()[0].Text,
              "... There are no padstacks available ...\n\nPlease add a padstack to the padstack\n"
              "spreadsheet or add a padstack library\n\n... A temporary pad will be used for display ...");
}

}  // namespace
