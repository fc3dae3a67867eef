// What the dialog's drawings show of the new padstacks, as a person sees them in a run: the
// plug-in draws the shape code it knows, so a chamfered or trapezoid pad is the rectangle of its
// full size, a custom pad the box centred on its origin that holds the outline, and a slot the
// round hole as wide as the slot is across; openings without copper are not offered at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/host/orvex/commands/orvex_cli_fixture.h"
#include "tests/support/golden_picture.h"
#include "tests/support/script_line.h"

namespace {

struct PreviewCase {
    const char* name;   // of the padstack, and of its pictures
    std::vector<std::string> padstack;
};

class PadstackPreviewTest : public OrvexCliTest, public ::testing::WithParamInterface<PreviewCase> {
protected:
    void SetUp() override {
        OrvexCliTest::SetUp();
        InstallPlugin();
        ASSERT_EQ(Run({"new", "d.design", "--units", "mm"}).code, 0);
    }
    // The padstack picked for both pins of a 2 x 2 dual row: its drawing in Select Padstack,
    // then the array preview with drills shown; cancelled, so nothing is stored.
    Outcome Show(const std::string& padstack, const std::string& drawing, const std::string& preview) {
        const std::string script = "page 0\n" + Act("set", IDC_SPACING_X, "5") + Act("set", IDC_SPACING_Y, "3") +
                                   Act("set", IDC_NUMBER_Q, "2") + Act("click", IDC_SELECT_DEFAULT_PADSTACK) +
                                   Act("select", IDC_PADSTACK_LIST, padstack) + "shot dialog " + drawing + "\nok\n" +
                                   Act("click", IDC_SELECT_PIN1_PADSTACK) + Act("select", IDC_PADSTACK_LIST, padstack) +
                                   "ok\nshot preview " + preview + "\ncancel\n";
        Write("s.txt", script);
        return Run({"run", "d.design", "F", "--script", "s.txt"});
    }
};

TEST_P(PadstackPreviewTest, DrawsTheClassicShape) {
    std::vector<std::string> add{"padstack", "add", "d.design", GetParam().name};
    add.insert(add.end(), GetParam().padstack.begin(), GetParam().padstack.end());
    const Outcome added = Run(add);
    ASSERT_EQ(added.code, 0) << added.err;
    const std::string drawing = std::string("padstack_kinds/") + GetParam().name + "_padstack.png";
    const std::string preview = std::string("padstack_kinds/") + GetParam().name + "_preview.png";
    const Outcome o = Show(GetParam().name, PictureOutPath(drawing).string(), PictureOutPath(preview).string());
    ASSERT_EQ(o.code, 0) << o.err << o.out;
    ExpectSameAsGolden(drawing);
    ExpectSameAsGolden(preview);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PadstackPreviewTest, ::testing::Values(
    PreviewCase{"chamfered", {"--shape", "chamfered", "--width", "2", "--height", "1.2", "--chamfer-ratio", "0.3",
                              "--chamfer-corners", "tl"}},
    PreviewCase{"trapezoid", {"--shape", "trapezoid", "--width", "2", "--height", "1.2", "--delta", "0", "0.8"}},
    PreviewCase{"custom", {"--shape", "custom", "--polygon", "-0.5,-0.5 1.5,-0.5 1.5,0 0.3,0 0.3,1 -0.5,1"}},
    PreviewCase{"slot", {"--shape", "oblong", "--width", "1.2", "--height", "2.4", "--drill", "0.6x1.6"}},
    PreviewCase{"offset", {"--shape", "rect", "--width", "2", "--height", "1.2", "--drill", "0.6", "--drill-offset", "0.5",
                           "0"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The dialog offers a pad only with copper: an opening is refused as an arrangement's padstack.
TEST_F(PadstackPreviewTest, OpeningsAreNotOffered) {
    ASSERT_EQ(Run({"padstack", "add", "d.design", "R", "--shape", "round", "--width", "1", "--height", "1"}).code, 0);
    for (const char* kind : {"paste", "mask"}) {
        ASSERT_EQ(Run({"padstack", "add", "d.design", kind, "--shape", "rect", "--width", "1", "--height", "1", "--kind",
                       kind}).code, 0);
        const Outcome o = Run({"generate", "d.design", "F", "--style", "grid", "--padstack", kind});
        EXPECT_EQ(o.code, 1);
        EXPECT_NE(o.err.find(std::string("--padstack: the dialog offers no padstack named ") + kind), std::string::npos)
            << o.err;
    }
}

}  // namespace
