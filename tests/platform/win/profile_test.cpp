// Tests of the private-profile calls against real files.
#include "platform/win/profile.h"
#include "platform/win/profile_hold.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::path(TESSRA_TEST_OUT) / "profile" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "test.ini").string();
    }
    void Write(const std::string& text) {
        std::ofstream(path_, std::ios::binary) << text;
    }
    std::string Read() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    std::string Get(const char* section, const char* key, const char* fallback = "") {
        char buffer[256];
        GetPrivateProfileStringA(section, key, fallback, buffer, sizeof buffer, path_.c_str());
        return buffer;
    }
    static std::vector<std::string> SplitList(const char* list) {
        std::vector<std::string> items;
        while (*list != '\0') {
            items.emplace_back(list);
            list += items.back().size() + 1;
        }
        return items;
    }

    std::filesystem::path dir_;
    std::string path_;
};

const char* const Sample =
    "# header comment\r\n"
    "[Window_States]\r\n"
    "Left = -12\r\n"
    "; inner comment\r\n"
    "Top=40\r\n"
    "Name=\"quoted text\"\r\n"
    "\r\n"
    "[PADSTACK_LIB]\r\n"
    "smd=/lib/smd.olb\r\n";

struct LookupCase {
    const char* section;
    const char* key;
    const char* expected;
};
class ProfileLookupTest : public ProfileTest, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(ProfileLookupTest, FindsValueWithoutRegardToCase) {
    Write(Sample);
    EXPECT_EQ(Get(GetParam().section, GetParam().key, "dflt"), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Keys, ProfileLookupTest, ::testing::Values(
    LookupCase{"Window_States", "Left", "-12"},
    LookupCase{"WINDOW_STATES", "top", "40"},
    LookupCase{"window_states", "NAME", "quoted text"},
    LookupCase{"padstack_lib", "SMD", "/lib/smd.olb"},
    LookupCase{"Window_States", "inner comment", "dflt"},
    LookupCase{"Window_States", "smd", "dflt"},
    LookupCase{"Missing", "Left", "dflt"}));

TEST_F(ProfileTest, MissingFileGivesFallback) {
    EXPECT_EQ(Get("A", "b", "none"), "none");
    EXPECT_EQ(GetPrivateProfileIntA("A", "b", 7, path_.c_str()), 7u);
}

struct IntCase {
    const char* value;
    INT expected;
};
class ProfileIntTest : public ProfileTest, public ::testing::WithParamInterface<IntCase> {};

TEST_P(ProfileIntTest, ConvertsLikeDecimalInteger) {
    Write(std::string("[S]\r\nk=") + GetParam().value + "\r\n");
    EXPECT_EQ(static_cast<INT>(GetPrivateProfileIntA("S", "k", 99, path_.c_str())),
              GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Values, ProfileIntTest, ::testing::Values(
    IntCase{"1024", 1024}, IntCase{"-12", -12}, IntCase{"+5", 5}, IntCase{"12px", 12},
    IntCase{"abc", 0}, IntCase{"", 0}, IntCase{"-", 0}));

TEST_F(ProfileTest, ListsSectionNamesAndKeys) {
    Write(Sample);
    char buffer[256];
    GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer, path_.c_str());
    EXPECT_EQ(SplitList(buffer), (std::vector<std::string>{"Window_States", "PADSTACK_LIB"}));
    GetPrivateProfileStringA("window_states", nullptr, "", buffer, sizeof buffer, path_.c_str());
    EXPECT_EQ(SplitList(buffer), (std::vector<std::string>{"Left", "Top", "Name"}));
}

TEST_F(ProfileTest, TruncatesValueAndReportsCopiedLength) {
    Write("[S]\r\nk=abcdefgh\r\n");
    char buffer[5];
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer, path_.c_str()), 4u);
    EXPECT_STREQ(buffer, "abcd");
}

TEST_F(ProfileTest, SectionReadKeepsLinesInOrderWithoutComments) {
    Write(Sample);
    char buffer[256];
    const DWORD n = GetPrivateProfileSectionA("WINDOW_STATES", buffer, sizeof buffer, path_.c_str());
    EXPECT_EQ(SplitList(buffer),
              (std::vector<std::string>{"Left = -12", "Top=40", "Name=\"quoted text\""}));
    EXPECT_EQ(n, 11u + 7u + 19u);  // every line with its zero, not the final one
}

TEST_F(ProfileTest, SectionReadTruncatesWithTwoZeros) {
    Write("[S]\r\nalpha=1\r\nbeta=2\r\n");
    char buffer[10];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(GetPrivateProfileSectionA("S", buffer, sizeof buffer, path_.c_str()), 8u);
    EXPECT_EQ(buffer[8], '\0');
    EXPECT_EQ(buffer[9], '\0');
    EXPECT_STREQ(buffer, "alpha=1");
}

// A line that ends just short of the last place leaves no room for the next one: the list is
// cut there and nothing is written past the buffer (found by the profile-calls fuzzer).
TEST_F(ProfileTest, SectionReadCutsAfterALineThatAlmostFills) {
    Write("[S]\r\nab=1\r\nc=2\r\n");
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(GetPrivateProfileSectionA("S", buffer, 6, path_.c_str()), 4u);
    EXPECT_EQ(std::string(buffer, 7), std::string("ab=1\0\0x", 7));
}

TEST_F(ProfileTest, WriteSectionReplacesOnlyThatSection) {
    Write(Sample);
    const std::string lines = ProfileSectionLines({{"a", "/x/a.olb"}, {"b", "/y/b.olb"}});
    EXPECT_EQ(lines, std::string("a=/x/a.olb\0b=/y/b.olb\0\0", 23));
    ASSERT_TRUE(WritePrivateProfileSectionA("padstack_lib", lines.c_str(), path_.c_str()));
    EXPECT_EQ(Read(),
              "# header comment\r\n"
              "[Window_States]\r\n"
              "Left = -12\r\n"
              "; inner comment\r\n"
              "Top=40\r\n"
              "Name=\"quoted text\"\r\n"
              "\r\n"
              "[PADSTACK_LIB]\r\n"
              "a=/x/a.olb\r\n"
              "b=/y/b.olb\r\n");
}

TEST_F(ProfileTest, WriteSectionCreatesFileAndAppendsAfterComments) {
    Write("#\r\n# Tessra Ini File\r\n#\r\n");
    ASSERT_TRUE(WritePrivateProfileSectionA("WINDOW_STATES", "Left=1\0Top=2\0", path_.c_str()));
    EXPECT_EQ(Read(), "#\r\n# Tessra Ini File\r\n#\r\n[WINDOW_STATES]\r\nLeft=1\r\nTop=2\r\n");
    std::filesystem::remove(path_);
    ASSERT_TRUE(WritePrivateProfileSectionA("S", "k=v\0", path_.c_str()));
    EXPECT_EQ(Read(), "[S]\r\nk=v\r\n");
}

TEST_F(ProfileTest, EmptySectionTextLeavesHeaderOnly) {
    Write(Sample);
    ASSERT_TRUE(WritePrivateProfileSectionA("Window_States", "\0", path_.c_str()));
    EXPECT_EQ(Get("Window_States", "Left", "gone"), "gone");
    EXPECT_EQ(Get("PADSTACK_LIB", "smd"), "/lib/smd.olb");
}

TEST_F(ProfileTest, WriteStringSetsReplacesAndDeletes) {
    Write(Sample);
    ASSERT_TRUE(WritePrivateProfileStringA("window_states", "TOP", "55", path_.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("Window_States", "Width", "300", path_.c_str()));
    EXPECT_EQ(Get("Window_States", "Top"), "55");
    EXPECT_EQ(Get("Window_States", "Width"), "300");
    EXPECT_NE(Read().find("Width=300\r\n\r\n[PADSTACK_LIB]"), std::string::npos);
    ASSERT_TRUE(WritePrivateProfileStringA("Window_States", "Left", nullptr, path_.c_str()));
    EXPECT_EQ(Get("Window_States", "Left", "gone"), "gone");
    ASSERT_TRUE(WritePrivateProfileStringA("PADSTACK_LIB", nullptr, nullptr, path_.c_str()));
    EXPECT_EQ(Read().find("PADSTACK_LIB"), std::string::npos);
}

TEST_F(ProfileTest, FlushWritesNothingAndReturnsFalse) {
    Write(Sample);
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str()));
    EXPECT_EQ(Read(), Sample);
}

TEST_F(ProfileTest, ReadsBareLineFeedFilesAndWritesCrLf) {
    Write("[S]\nk=v\n");
    EXPECT_EQ(Get("S", "k"), "v");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "j", "w", path_.c_str()));
    EXPECT_EQ(Read(), "[S]\r\nk=v\r\nj=w\r\n");
}

// A write that leaves every byte as it was does not touch the file: a batch saves the same
// window state after every footprint. Anything else, line ends included, replaces it.
struct RewriteCase {
    const char* initial;
    const char* key;
    const char* value;
    bool replaced;
};
void PrintTo(const RewriteCase& c, std::ostream* out) {
    *out << c.key << "=" << (c.value ? c.value : "(deleted)") << " over " << ::testing::PrintToString(c.initial);
}
class ProfileRewriteTest : public ProfileTest, public ::testing::WithParamInterface<RewriteCase> {};

TEST_P(ProfileRewriteTest, ReplacesTheFileOnlyWhenItsTextChanges) {
    Write(GetParam().initial);
    const std::filesystem::path kept = dir_ / "kept.ini";
    std::filesystem::create_hard_link(path_, kept);   // a replacement leaves this one behind
    ASSERT_TRUE(WritePrivateProfileStringA("Window_States", GetParam().key, GetParam().value, path_.c_str()));
    EXPECT_EQ(std::filesystem::equivalent(path_, kept), !GetParam().replaced);
    EXPECT_EQ(Get("Window_States", GetParam().key, "gone"), GetParam().value ? GetParam().value : "gone");
}

INSTANTIATE_TEST_SUITE_P(Writes, ProfileRewriteTest, ::testing::Values(
    RewriteCase{Sample, "Top", "40", false},
    RewriteCase{Sample, "Top", "41", true},
    RewriteCase{Sample, "Width", "300", true},
    RewriteCase{Sample, "Height", nullptr, false},   // deleting what is not there
    RewriteCase{Sample, "Top", nullptr, true},
    RewriteCase{"[Window_States]\nTop=40\n", "Top", "40", true}));

TEST_F(ProfileTest, UnwritableFolderFailsAndCreatesNothing) {
    const std::string bad = (dir_ / "no" / "such" / "x.ini").string();
    EXPECT_FALSE(WritePrivateProfileSectionA("S", "k=v\0", bad.c_str()));
    EXPECT_FALSE(std::filesystem::exists(bad));
}

// A hold keeps every write of a file after its first in memory; the reads of this process see
// them at once, the disk at the end of the outermost hold or at the flush call.
TEST_F(ProfileTest, AHoldWritesTheFirstChangeAtOnceAndTheRestAtItsEnd) {
    Write(Sample);
    {
        const ProfileHold outer;
        {
            const ProfileHold inner;
            ASSERT_TRUE(WritePrivateProfileStringA("Window_States", "Top", "1", path_.c_str()));
            EXPECT_NE(Read().find("Top=1\r\n"), std::string::npos) << "the first write goes through";
            ASSERT_TRUE(WritePrivateProfileStringA("Window_States", "Top", "2", path_.c_str()));
            EXPECT_EQ(Get("Window_States", "Top"), "2");
            EXPECT_NE(Read().find("Top=1\r\n"), std::string::npos) << "the second is held";
        }
        EXPECT_NE(Read().find("Top=1\r\n"), std::string::npos) << "an inner hold's end writes nothing";
        ASSERT_TRUE(WritePrivateProfileStringA("Window_States", "Top", "3", path_.c_str()));
        EXPECT_FALSE(WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str()));
        EXPECT_NE(Read().find("Top=3\r\n"), std::string::npos) << "the flush wrote it";
        ASSERT_TRUE(WritePrivateProfileStringA("Window_States", "Top", "4", path_.c_str()));
        EXPECT_NE(Read().find("Top=3\r\n"), std::string::npos);
    }
    EXPECT_NE(Read().find("Top=4\r\n"), std::string::npos) << Read();
}

// Whatever the order of key, section and delete writes, the held ones end in the file that
// writing each through makes, and every read on the way answers as that file would.
using ProfileWrite = std::function<BOOL(const char* path)>;
ProfileWrite SetKey(const char* section, const char* key, const char* value) {
    return [=](const char* path) { return WritePrivateProfileStringA(section, key, value, path); };
}
ProfileWrite SetSection(const char* section, std::string lines) {
    return [=](const char* path) {
        return WritePrivateProfileSectionA(section, lines.empty() ? nullptr : lines.c_str(), path);
    };
}
struct HeldWrites {
    const char* name;
    std::vector<ProfileWrite> writes;
};
class ProfileHoldTest : public ProfileTest, public ::testing::WithParamInterface<HeldWrites> {};

TEST_P(ProfileHoldTest, EndsInTheFileWritingThroughMakes) {
    const auto sections = [](const std::string& path) {
        std::string all;
        for (const char* name : {"Window_States", "PADSTACK_LIB", "New"}) {
            char buffer[512];
            all.append(buffer, GetPrivateProfileSectionA(name, buffer, sizeof buffer, path.c_str())).append("|");
        }
        return all;
    };
    const std::string through = (dir_ / "through.ini").string();
    std::ofstream(through, std::ios::binary) << Sample;
    std::vector<std::string> seen;
    for (const ProfileWrite& write : GetParam().writes) {
        ASSERT_TRUE(write(through.c_str()));
        seen.push_back(sections(through));
    }
    Write(Sample);
    {
        const ProfileHold hold;
        for (size_t i = 0; i < seen.size(); ++i) {
            ASSERT_TRUE(GetParam().writes[i](path_.c_str()));
            EXPECT_EQ(sections(path_), seen[i]) << "after write " << i;
        }
    }
    std::ifstream in(through, std::ios::binary);
    EXPECT_EQ(Read(), std::string((std::istreambuf_iterator<char>(in)), {}));
}

INSTANTIATE_TEST_SUITE_P(Writes, ProfileHoldTest, ::testing::Values(
    HeldWrites{"OneSectionOverAndOver", {SetSection("Window_States", std::string("a=1\0", 5)),
                                          SetSection("WINDOW_STATES", std::string("a=2\0b=3\0", 9)),
                                          SetSection("window_states", std::string("c=4\0", 5))}},
    HeldWrites{"KeysThenTheirSectionThenKeys", {SetKey("Window_States", "a", "1"),
                                                 SetSection("Window_States", std::string("x=1\0", 5)),
                                                 SetKey("window_states", "b", "2"), SetKey("Window_States", "x", nullptr)}},
    HeldWrites{"TwoSectionsInTurn", {SetSection("PADSTACK_LIB", std::string("l=/a.olb\0", 10)),
                                      SetKey("Window_States", "Top", "9"),
                                      SetSection("padstack_lib", std::string("m=/b.olb\0", 10)),
                                      SetKey("Window_States", "Left", nullptr)}},
    HeldWrites{"DeletedAndMadeAgain", {SetKey("New", "k", "v"), SetSection("New", ""), SetKey("NEW", "j", "w"),
                                        SetKey("Window_States", nullptr, nullptr), SetKey("Window_States", "Top", "1")}},
    HeldWrites{"ALineLikeAHeader", {SetKey("New", "k", "v"), SetSection("New", std::string("k=1\0[x]\0j=2\0", 13))}}),
    [](const auto& info) { return std::string(info.param.name); });

// Another program's change of the file while writes are held is kept when they are written.
TEST_F(ProfileTest, AHoldKeepsAnotherProgramsChangeMeanwhile) {
    Write(Sample);
    {
        const ProfileHold hold;
        ASSERT_TRUE(WritePrivateProfileStringA("Window_States", "Top", "1", path_.c_str()));
        ASSERT_TRUE(WritePrivateProfileStringA("Window_States", "Top", "2", path_.c_str()));
        Write(Read() + "[Other]\r\nk=v\r\n");
    }
    EXPECT_EQ(Get("Other", "k"), "v");
    EXPECT_EQ(Get("Window_States", "Top"), "2");
}

// A held write that cannot be done when the hold writes is told, with the file and why.
TEST_F(ProfileTest, AHeldWriteThatCannotBeDoneIsTold) {
    Write(Sample);
    const ProfileHold hold;
    ASSERT_TRUE(WritePrivateProfileStringA("Window_States", "Top", "1", path_.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("Window_States", "Top", "2", path_.c_str()));
    std::filesystem::remove(path_);
    std::filesystem::create_directory(path_);
    const std::vector<std::string> failed = ProfileHold::WriteHeld();
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_NE(failed[0].find("test.ini: Is a directory"), std::string::npos) << failed[0];
    EXPECT_TRUE(ProfileHold::WriteHeld().empty()) << "told once, then dropped";
    EXPECT_TRUE(std::filesystem::is_directory(path_));
}

}  // namespace
