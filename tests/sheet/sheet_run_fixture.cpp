// The host side of a test run; see sheet_run_fixture.h.
#include "tests/sheet/sheet_run_fixture.h"

#include "host/zelmdb/database_set.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/host_environment.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/standard_controls.h"
#include "platform/win/message_box.h"
#include "platform/win/win_api.h"
#include "tests/support/store_records.h"

void SheetRunFixture::SetUpTestSuite() { ASSERT_TRUE(InstallStandardControls()); }

void SheetRunFixture::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/') c = '_';
    dir = std::filesystem::path(TESSRA_TEST_OUT) / "sheet-runs" / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "host");
    zelmdb::HostEnvironment& env = zelmdb::HostEnvironment::Get();
    env.SetHostFolder(HostFolder());
    env.SetPluginFolder(HostFolder());
    PlaceModuleFile(dir / "host");
    env.SetCurrentIni(std::nullopt);
    env.ClearMessages();
    SetScreenSize(1024, 768);
    ClearShownMessageBoxes();
    AttachDesign(1);
}

void SheetRunFixture::TearDown() { zelmdb::DatabaseSet::Get().CloseAll(); }

void SheetRunFixture::AttachDesign(int unitCode) {
    zelmdb::DatabaseSet::Get().CloseAll();
    const std::string path = Path("d.design").string();
    std::filesystem::remove(path);
    zelmdb::DesignInfo info;
    info.unitCode = unitCode;
    ASSERT_TRUE(zelmdb::DesignStore::Create(path, info).ok());
    auto opened = zelmdb::DesignStore::Open(path, zelmdb::DesignStore::Access::ReadWrite,
                                            zelmdb::DesignStore::Sharing::Exclusive);
    ASSERT_TRUE(opened.ok()) << opened.error();
    zelmdb::DatabaseSet::Get().AttachDesign(std::move(opened.value()));
}

void SheetRunFixture::PutRoundPadstack(const std::string& name, int32_t diameter) {
    zelmdb::DesignStore& design = *zelmdb::DatabaseSet::Get().Design();
    zelmdb::Padstack pad;
    pad.layers.resize(14);
    pad.layers[0] = zelmdb::LayerGeometry{diameter, diameter, diameter, diameter, zelmdb::PadShape::Round, 0};
    StoreNewPadstack(design, pad, name);
}

std::string SheetRunFixture::ProbeLine() {
    return "shot preview " + Path("probe" + std::to_string(probes++) + ".png").string() + "\n";
}

intptr_t SheetRunFixture::Drive(const std::string& script, const std::function<intptr_t()>& call) {
    const ScriptParse parse = ParseScript(script);
    EXPECT_TRUE(parse.Ok()) << parse.error;
    HeadlessDriver driver(parse.actions);
    // The probe rides on the preview picture, the one a script may name that a test can
    // hook; the picture taken is of the sheet.
    driver.SetWindowFinder("preview", [this] {
        if (probe) probe();
        return SheetWindow();
    });
    for (const auto& [name, finder] : windows) driver.SetWindowFinder(name, finder);
    const intptr_t result = call();
    error = driver.Error();
    notes = driver.Notes();
    return result;
}

void PlaceModuleFile(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_symlink(TESSRA_MODULE, folder / "tessra.dll", error);
    ASSERT_FALSE(error) << error.message();
}

HWND SheetWindow() { return GetOutermostModalWindow(); }

HWND TopLevelWithCaption(const std::string& caption) { return FindWindowA(nullptr, caption.c_str()); }

std::string WindowCaption(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}
