// Where a family's font file is found: the packaged file when it holds that family and style,
// fontconfig's match when it is gone, damaged or another font.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/gdi/font_face.h"

namespace {

namespace fs = std::filesystem;

struct StyleCase {
    const char* family;
    bool bold;
    bool italic;
};
class PackagedFontTest : public ::testing::TestWithParam<StyleCase> {};

// The packaged file must be the one fontconfig would pick, or the dialogs would change looks.
// fontconfig's file, copied to the same place under a root of the test's own, must be the one
// found there: so the packaged path is fontconfig's, and a path under the root shows the
// packaged file served.
TEST_P(PackagedFontTest, IsTheFileFontconfigMatches) {
    const StyleCase& c = GetParam();
    const fs::path root = fs::path(TESSRA_TEST_OUT) / "font-root" /
                          (std::string(c.family) + (c.bold ? " Bold" : "") + (c.italic ? " Italic" : ""));
    fs::remove_all(root);
    fs::create_directories(root);
    std::string matched, packaged, error;
    ASSERT_TRUE(FontFace::FindFile(root.string(), c.family, c.bold, c.italic, matched, error)) << error;
    const fs::path system = fs::canonical(matched);
    const fs::path copy = root / system.relative_path();
    fs::create_directories(copy.parent_path());
    fs::copy_file(system, copy);
    ASSERT_TRUE(FontFace::FindFile(root.string(), c.family, c.bold, c.italic, packaged, error)) << error;
    EXPECT_EQ(packaged, copy.string());
}
INSTANTIATE_TEST_SUITE_P(Families, PackagedFontTest, ::testing::Values(
    StyleCase{"Arimo", false, false}, StyleCase{"Arimo", true, false}, StyleCase{"Arimo", false, true},
    StyleCase{"Arimo", true, true}, StyleCase{"DejaVu Sans", false, false}, StyleCase{"DejaVu Sans", true, true},
    StyleCase{"DejaVu Sans Mono", false, true}, StyleCase{"DejaVu Serif", true, false},
    StyleCase{"DejaVu Serif", false, true}));

// A root holding, where Arimo Regular belongs, the file named by `content`.
struct RootCase {
    const char* name;
    const char* content;   // a system font file to copy, or text for a damaged file, or null
    bool taken;            // whether the root's file is used
};
class FontRootTest : public ::testing::TestWithParam<RootCase> {};

TEST_P(FontRootTest, FallsBackToFontconfig) {
    const RootCase& c = GetParam();
    const fs::path root = fs::path(TESSRA_TEST_OUT) / "font-root" / c.name;
    const fs::path file = root / "usr/share/fonts/truetype/croscore/Arimo-Regular.ttf";
    fs::remove_all(root);
    fs::create_directories(file.parent_path());
    if (c.content && c.content[0] == '/') fs::copy_file(c.content, file);
    else if (c.content) std::ofstream(file) << c.content;
    std::string found, error;
    ASSERT_TRUE(FontFace::FindFile(root.string(), "Arimo", false, false, found, error)) << error;
    EXPECT_EQ(found == file.string(), c.taken) << found;
    if (!c.taken) {
        EXPECT_EQ(fs::path(found).filename(), "Arimo-Regular.ttf");
    }
}
INSTANTIATE_TEST_SUITE_P(Files, FontRootTest, ::testing::Values(
    RootCase{"Intact", "/usr/share/fonts/truetype/croscore/Arimo-Regular.ttf", true},
    RootCase{"Removed", nullptr, false},
    RootCase{"Damaged", "not a font", false},
    RootCase{"OtherFamily", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", false},
    RootCase{"OtherStyle", "/usr/share/fonts/truetype/croscore/Arimo-Bold.ttf", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FontFaceTest, UnknownFamilyIsRefusedWithItsPackage) {
    std::string file, error;
    EXPECT_FALSE(FontFace::FindFile("", "No Such Family", false, false, file, error));
    EXPECT_NE(error.find("fonts-dejavu-core"), std::string::npos) << error;
}

}  // namespace
