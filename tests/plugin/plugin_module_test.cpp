// tessra.dll as the host loads it: the two entry points found by name, the caption of the
// sheet for every unit, the answer for every way of ending, and the module-state switch.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/framework/module_state.h"
#include "tests/sheet/sheet_run_fixture.h"

namespace {

using DisplayProc = int32_t (*)(const char*);
using IsActiveProc = int32_t (*)();

class PluginModuleTest : public SheetRunFixture {
protected:
    static void SetUpTestSuite() {
        SheetRunFixture::SetUpTestSuite();
        module = dlopen(TESSRA_MODULE, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(module, nullptr) << dlerror();
        display = reinterpret_cast<DisplayProc>(dlsym(module, "DisplayTessraDialog"));
        isActive = reinterpret_cast<IsActiveProc>(dlsym(module, "TSGIsActive"));
        ASSERT_NE(display, nullptr);
        ASSERT_NE(isActive, nullptr);
    }
    static void TearDownTestSuite() {
        if (module) dlclose(module);
        module = nullptr;
    }
    int32_t Show(const std::string& script, const char* footprint = "QFP48") {
        return int32_t(Drive(script, [footprint] { return display(footprint); }));
    }

    static void* module;
    static DisplayProc display;
    static IsActiveProc isActive;
};

void* PluginModuleTest::module = nullptr;
DisplayProc PluginModuleTest::display = nullptr;
IsActiveProc PluginModuleTest::isActive = nullptr;

TEST_F(PluginModuleTest, IsActiveGivesTheSheetWindowOnlyWhileItIsUp) {
    EXPECT_EQ(isActive(), 0) << "before the first call";
    int32_t during = 0;
    HWND sheet = 0;
    probe = [&] {
        during = isActive();
        sheet = SheetWindow();
    };
    Show(ProbeLine() + "cancel\n");
    EXPECT_NE(sheet, 0u);
    EXPECT_EQ(during, int32_t(sheet));
    EXPECT_EQ(isActive(), 0) << "after the call returned";
}

TEST_F(PluginModuleTest, RunsInTheModulesOwnStateAndGivesTheHostsBack) {
    const AFX_MODULE_STATE* host = AfxGetModuleState();
    std::string during;
    probe = [&] { during = AfxGetModuleState()->moduleName; };
    Show(ProbeLine() + "cancel\n");
    EXPECT_EQ(during, "tessra.dll");
    EXPECT_EQ(AfxGetModuleState(), host);
}

struct UnitCase {
    int unitCode;
    const char* footprint;
    const char* caption;
};
class SheetCaptionTest : public PluginModuleTest, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(SheetCaptionTest, NamesTheFootprintAndTheDesignsUnit) {
    AttachDesign(GetParam().unitCode);
    std::string caption;
    probe = [&] { caption = WindowCaption(SheetWindow()); };
    Show(ProbeLine() + "cancel\n", GetParam().footprint);
    EXPECT_EQ(caption, GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(Units, SheetCaptionTest, ::testing::Values(
    UnitCase{1, "QFP48", "Tessra Generator: QFP48 - [Units: Mils]"},
    UnitCase{2, "QFP48", "Tessra Generator: QFP48 - [Units: Inches]"},
    UnitCase{3, "QFP48", "Tessra Generator: QFP48 - [Units: Centimeters]"},
    UnitCase{4, "QFP48", "Tessra Generator: QFP48 - [Units: Millimeters]"},
    UnitCase{5, "QFP48", "Tessra Generator: QFP48 - [Units: Microns]"},
    UnitCase{0, "QFP48", "Tessra Generator: QFP48 - [Units: -> Unknown Unit <-]"},
    UnitCase{6, "QFP48", "Tessra Generator: QFP48 - [Units: -> Unknown Unit <-]"},
    UnitCase{1, "", "Tessra Generator:  - [Units: Mils]"}),
    [](const auto& info) { return "code" + std::to_string(info.param.unitCode) + (*info.param.footprint ? "" : "_nameless"); });

struct EndCase {
    const char* name;
    const char* script;
    int32_t result;
};
class SheetEndingTest : public PluginModuleTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(SheetEndingTest, OnlyOkAnswersOne) {
    EXPECT_EQ(Show(GetParam().script), GetParam().result) << error;
    EXPECT_EQ(isActive(), 0);
}

INSTANTIATE_TEST_SUITE_P(Endings, SheetEndingTest, ::testing::Values(
    EndCase{"ok", "ok\n", 1}, EndCase{"cancel", "cancel\n", 0}, EndCase{"close_box", "close\n", 0},
    EndCase{"escape", "key escape\n", 0}, EndCase{"script_ends", "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
