// The style sample and the array preview of every page, taken from whole dialog runs.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/gdi/png_io.h"
#include "preview/array_preview_wnd.h"
#include "preview/style_sample_wnd.h"
#include "res/resource.h"
#include "tests/plugin/dialog_run_fixture.h"
#include "tests/support/golden_picture.h"
#include "tests/support/script_line.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF, kGreen = 0x00FF00;

struct SampleCase {
    const char* name;
    int page;
    std::string edits;   // script lines before the sample opens
};

void PrintTo(const SampleCase& c, std::ostream* out) { *out << c.name; }

class StyleSampleRunTest : public DialogRunFixture {
protected:
    void SetUp() override {
        DialogRunFixture::SetUp();
        windows["sample"] = [] { return StyleSampleWindow.GetSafeHwnd(); };
        // The preview itself, not the probe that the other run tests hang on its name.
        windows["preview"] = [] { return PreviewWindow ? PreviewWindow->GetSafeHwnd() : HWND(0); };
    }
    // The sample's picture after `edits` on `page`, also kept under sample/NAME.png.
    Surface Sample(const std::string& name, int page, const std::string& edits) {
        return Picture("sample", name, page, edits + Act("click", IDC_STYLE_SAMPLE));
    }
    Surface Picture(const std::string& window, const std::string& name, int page, const std::string& edits) {
        const std::string file = PictureOutPath(window + "/" + name + ".png").string();
        EXPECT_EQ(Show("page " + std::to_string(page) + "\n" + edits + "shot " + window + " " + file +
                       "\ncancel\n"),
                  0)
            << error;
        Surface picture;
        std::string readError;
        EXPECT_TRUE(ReadPng(file, picture, readError)) << readError;
        return picture;
    }
    static Surface Only(const Surface& picture, COLORREF colour) {
        Surface kept(picture.Width(), picture.Height());
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                if (picture.Pixel(x, y) == colour) kept.SetPixel(x, y, colour);
        return kept;
    }
};

class StyleSamplePictureTest : public StyleSampleRunTest, public ::testing::WithParamInterface<SampleCase> {};

TEST_P(StyleSamplePictureTest, LooksAsItDid) {
    const Surface picture = Sample(GetParam().name, GetParam().page, GetParam().edits);
    EXPECT_EQ(picture.Width(), 300);
    EXPECT_EQ(picture.Height(), 250);
    ExpectSameAsGolden(std::string("sample/") + GetParam().name + ".png");
}

INSTANTIATE_TEST_SUITE_P(Pages, StyleSamplePictureTest,
                         ::testing::Values(SampleCase{"dual", 0, Act("set", IDC_NUMBER_Q, "7")},
                                           SampleCase{"stagger_x", 1, Act("set", IDC_NUMBER_P, "5") +
                                                      Act("set", IDC_NUMBER_Q, "4") + Act("set", IDC_ROW_DELTA, "1")},
                                           SampleCase{"stagger_y", 2, ""},
                                           SampleCase{"qfp", 3, Act("set", IDC_NUMBER_P, "10") +
                                                      Act("set", IDC_NUMBER_Q, "8")},
                                           SampleCase{"circular", 4, Act("set", IDC_NUMBER_P, "16")},
                                           SampleCase{"circular_clockwise", 4, Act("set", IDC_ANGLE, "-22.5")},
                                           SampleCase{"grid", 5, Act("set", IDC_NUMBER_P, "4") +
                                                      Act("set", IDC_NUMBER_Q, "3")}),
                         [](const auto& info) { return std::string(info.param.name); });

class PreviewPictureTest : public StyleSampleRunTest, public ::testing::WithParamInterface<SampleCase> {};

TEST_P(PreviewPictureTest, LooksAsItDid) {
    Picture("preview", GetParam().name, GetParam().page, GetParam().edits);
    ExpectSameAsGolden(std::string("preview/") + GetParam().name + ".png");
}

INSTANTIATE_TEST_SUITE_P(Pages, PreviewPictureTest,
                         ::testing::Values(SampleCase{"dual", 0, Act("set", IDC_NUMBER_Q, "5") +
                                                      Act("set", IDC_SPACING_X, "40") +
                                                      Act("set", IDC_SPACING_Y, "100")},
                                           SampleCase{"stagger_x", 1, Act("set", IDC_NUMBER_P, "4") +
                                                      Act("set", IDC_NUMBER_Q, "3") + Act("set", IDC_SPACING_X, "40") +
                                                      Act("set", IDC_SPACING_Y, "30") + Act("set", IDC_ROW_DELTA, "1")},
                                           SampleCase{"stagger_y", 2, Act("set", IDC_NUMBER_P, "3") +
                                                      Act("set", IDC_NUMBER_Q, "4") + Act("set", IDC_SPACING_X, "30") +
                                                      Act("set", IDC_SPACING_Y, "40")},
                                           SampleCase{"qfp", 3, Act("set", IDC_NUMBER_P, "4") +
                                                      Act("set", IDC_NUMBER_Q, "3") + Act("set", IDC_SPACING_X, "30") +
                                                      Act("set", IDC_SPACING_Y, "30") + Act("set", IDC_STAGGER_W, "60") +
                                                      Act("set", IDC_STAGGER_Z, "60")},
                                           SampleCase{"circular", 4, Act("set", IDC_NUMBER_P, "8") +
                                                      Act("set", IDC_RADIUS, "60") + Act("set", IDC_ANGLE, "45")},
                                           SampleCase{"grid", 5, Act("set", IDC_NUMBER_P, "4") +
                                                      Act("set", IDC_NUMBER_Q, "3") + Act("set", IDC_SPACING_X, "30") +
                                                      Act("set", IDC_SPACING_Y, "30")}),
                         [](const auto& info) { return std::string(info.param.name); });

// Corner or centre start moves the labels 1, 2 and n; every circle stays where it was.
TEST_F(StyleSampleRunTest, QfpPinOnePositionMovesOnlyTheLabels) {
    const Surface first = Sample("qfp_first", 3, "");
    const Surface other = Sample("qfp_other", 3, Act("click", IDC_CENTER_CC));
    EXPECT_TRUE(Only(first, kWhite) == Only(other, kWhite));
    EXPECT_FALSE(Only(first, kGreen) == Only(other, kGreen));
}

// Mean row of the label pixels in a band of columns, below the formula line.
double LabelRow(const Surface& picture, int left, int right) {
    double sum = 0;
    int count = 0;
    for (int y = 40; y < picture.Height(); ++y)
        for (int x = left; x < right; ++x)
            if (picture.Pixel(x, y) == kGreen) sum += y, ++count;
    return count ? sum / count : -1;
}

// A clockwise angle step puts pin 2 as far below pin 1 as a counter-clockwise one puts it above.
TEST_F(StyleSampleRunTest, ClockwiseStepMirrorsPinTwo) {
    const Surface ccw = Sample("circle_ccw", 4, Act("set", IDC_ANGLE, "22.5"));
    const Surface cw = Sample("circle_cw", 4, Act("set", IDC_ANGLE, "-22.5"));
    // Pin 1 stands on the horizontal radius at the right, pin 2 on the 45-degree one.
    const double pin1 = LabelRow(ccw, 232, 260);
    ASSERT_GT(pin1, 0);
    EXPECT_EQ(LabelRow(cw, 232, 260), pin1);
    const double above = pin1 - LabelRow(ccw, 195, 232), below = LabelRow(cw, 195, 232) - pin1;
    EXPECT_GT(above, 40);
    EXPECT_NEAR(above, below, 1.5);
}

}  // namespace
