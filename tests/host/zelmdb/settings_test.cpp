// The host's settings file, search path and path helpers as the plug-in uses them.
#include <cstring>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/profile_handles.h"
#include "host/zelmdb/zelmdb.h"
#include "platform/win/profile.h"
#include "platform/win/profile_hold.h"
#include "tests/host/zelmdb/design_fixture.h"

using namespace zelmdb;

namespace {

class SettingsTest : public DesignFixture {
protected:
    void Touch(const std::filesystem::path& p) { std::ofstream(p.string()) << "x"; }
};

TEST_F(SettingsTest, SectionEntriesComeAsTextHandlesInLineOrder) {
    WriteHostIni("; comment\r\n[PADSTACK_LIB]\r\nsmd=/lib/smd.olb\r\n; gone\r\nthru = /lib/thru.olb\r\n"
                 "[OTHER]\r\nk=v\r\n");
    uint8_t* buffer = MemAllocUnion();
    ASSERT_EQ(ComIniGetProfileSection("padstack_lib", buffer), 2);
    const ByteRecord r = ReadOnly(buffer);
    ASSERT_EQ(r.I16(0), 2);
    EXPECT_STREQ(ComIniHandleText(r.U32(0x04)), "smd");
    EXPECT_STREQ(ComIniHandleText(r.U32(0x08)), "/lib/smd.olb");
    EXPECT_STREQ(ComIniHandleText(r.U32(0x0E)), "thru");
    EXPECT_STREQ(ComIniHandleText(r.U32(0x12)), "/lib/thru.olb");
    const uint32_t key = r.U32(0x04);
    const size_t live = ProfileHandles::Get().size();
    ComIniFreeProfileSection(buffer);
    EXPECT_EQ(ComIniHandleText(key), nullptr);
    EXPECT_EQ(ProfileHandles::Get().size(), live - 4);
    MemFreeUnion(buffer);
}

TEST_F(SettingsTest, SectionOfSeveralHundredEntriesFitsTheUnion) {
    std::string ini = "[PADSTACK_LIB]\r\n";
    for (int i = 0; i < 600; ++i) ini += "lib" + std::to_string(i) + "=/l/" + std::to_string(i) + ".olb\r\n";
    WriteHostIni(ini);
    uint8_t* buffer = MemAllocUnion();
    ASSERT_EQ(ComIniGetProfileSection("PADSTACK_LIB", buffer), 600);
    EXPECT_STREQ(ComIniHandleText(ReadOnly(buffer).U32(0x04 + 10 * 599 + 4)), "/l/599.olb");
    ComIniFreeProfileSection(buffer);
    MemFreeUnion(buffer);
}

TEST_F(SettingsTest, MissingFileOrSectionGivesNoEntries) {
    uint8_t* buffer = MemAllocUnion();
    EXPECT_EQ(ComIniGetProfileSection("PADSTACK_LIB", buffer), 0);
    WriteHostIni("[OTHER]\r\n");
    EXPECT_EQ(ComIniGetProfileSection("PADSTACK_LIB", buffer), 0);
    EXPECT_EQ(ReadOnly(buffer).I16(0), 0);
    MemFreeUnion(buffer);
}

TEST_F(SettingsTest, OpenedFileIsCurrentUntilClosed) {
    std::ofstream((dir_ / "host" / "tessra.ini").string()) << "#\r\n[WINDOW_STATES]\r\nTessraDialogLeft=-12\r\n";
    WriteHostIni("[WINDOW_STATES]\r\nTessraDialogLeft=5\r\n");
    uint8_t* buffer = MemAllocUnion();
    ASSERT_NE(ComIniFileOpen("tessra.ini"), 0);
    ComIniGetProfileSection("WINDOW_STATES", buffer);
    EXPECT_STREQ(ComIniHandleText(ReadOnly(buffer).U32(0x08)), "-12");
    ComIniFreeProfileSection(buffer);
    ComIniClose();
    ComIniGetProfileSection("WINDOW_STATES", buffer);
    EXPECT_STREQ(ComIniHandleText(ReadOnly(buffer).U32(0x08)), "5");
    ComIniFreeProfileSection(buffer);
    EXPECT_EQ(ComIniFileOpen("absent.ini"), 0);
    MemFreeUnion(buffer);
}

// A batch holds its profile writes back; the host's own reading of the file sees them.
TEST_F(SettingsTest, SectionReadSeesWritesABatchHolds) {
    const std::string ini = (dir_ / "host" / "tessra.ini").string();
    const ProfileHold hold;
    ASSERT_TRUE(WritePrivateProfileSectionA("WINDOW_STATES", "TessraDialogLeft=1\0", ini.c_str()));
    ASSERT_TRUE(WritePrivateProfileSectionA("WINDOW_STATES", "TessraDialogLeft=2\0", ini.c_str()));
    uint8_t* buffer = MemAllocUnion();
    ASSERT_NE(ComIniFileOpen("tessra.ini"), 0);
    ASSERT_EQ(ComIniGetProfileSection("WINDOW_STATES", buffer), 1);
    EXPECT_STREQ(ComIniHandleText(ReadOnly(buffer).U32(0x08)), "2");
    ComIniFreeProfileSection(buffer);
    ComIniClose();
    MemFreeUnion(buffer);
}

TEST_F(SettingsTest, SearchPathIsHostFolderThenPluginFolder) {
    std::filesystem::create_directories(dir_ / "plugin");
    HostEnvironment::Get().SetPluginFolder((dir_ / "plugin").string());
    Touch(dir_ / "plugin" / "module.bin");
    Touch(dir_ / "plugin" / "both.ini");
    Touch(dir_ / "host" / "both.ini");
    Touch(dir_ / "host" / "Mixed.INI");
    char path[260];
    ASSERT_EQ(SwFindFile("module.bin", path), 1);
    EXPECT_EQ(std::string(path), (dir_ / "plugin" / "module.bin").string());
    ASSERT_EQ(SwFindFile("both.ini", path), 1);
    EXPECT_EQ(std::string(path), (dir_ / "host" / "both.ini").string());
    ASSERT_EQ(SwFindFile("mixed.ini", path), 1) << "names ignore case, as on the platform";
    EXPECT_EQ(SwFindFile("nowhere.ini", path), 0);
    EXPECT_STREQ(path, "");
    ASSERT_EQ(SwFindFile((dir_ / "plugin" / "module.bin").c_str(), path), 1);
}

TEST_F(SettingsTest, InstallationPathEndsWithSeparator) {
    char path[260];
    ASSERT_EQ(ComGetInstallationPath(path), 1);
    EXPECT_EQ(std::string(path), (dir_ / "host").string() + "/");
    HostEnvironment::Get().SetHostFolder("");
    EXPECT_EQ(ComGetInstallationPath(path), 0);
}

struct PathCase {
    const char* path;
    const char* stripPath;
    const char* deleteExt;
    const char* stripName;
};
class PathHelperTest : public ::testing::TestWithParam<PathCase> {};
TEST_P(PathHelperTest, InPlace) {
    char a[260], b[260], c[260];
    std::strcpy(a, GetParam().path);
    std::strcpy(b, GetParam().path);
    std::strcpy(c, GetParam().path);
    ComStripPath(a);
    ComDeleteFileExt(b);
    ComStripFileName(c);
    EXPECT_STREQ(a, GetParam().stripPath);
    EXPECT_STREQ(b, GetParam().deleteExt);
    EXPECT_STREQ(c, GetParam().stripName);
}
INSTANTIATE_TEST_SUITE_P(Paths, PathHelperTest, ::testing::Values(
    PathCase{"/lib/smd.olb", "smd.olb", "/lib/smd", "/lib/"},
    PathCase{"D:\\lib\\smd.olb", "smd.olb", "D:\\lib\\smd", "D:\\lib\\"},
    PathCase{"smd.olb", "smd.olb", "smd", ""},
    PathCase{"/a.b/noext", "noext", "/a.b/noext", "/a.b/"},
    PathCase{"/x/.hidden", ".hidden", "/x/.hidden", "/x/"},
    PathCase{"/x/y.tar.gz", "y.tar.gz", "/x/y.tar", "/x/"},
    PathCase{"", "", "", ""}));

}  // namespace
