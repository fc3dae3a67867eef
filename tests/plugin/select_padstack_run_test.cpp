// The Select Padstack dialog opened from a page in whole dialog runs: caption, what OK and
// Cancel store, the values shown, and the library copies it makes and deletes.
#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <string>

#include "host/zelmdb/database_set.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/zelmdb.h"
#include "platform/win/win_api.h"
#include "res/resource.h"
#include "tests/plugin/dialog_run_fixture.h"

namespace {

using zelmdb::LayerGeometry;

class SelectPadstackRunTest : public DialogRunFixture {
protected:
    void SetUp() override {
        DialogRunFixture::SetUp();
        PutPad(Design(), "R60", LayerGeometry{3810, 3810, 3810, 3810, 1, 0});
        PutPad(Design(), "S40", LayerGeometry{2540, 2540, 2540, 2540, 2, 5430});
    }
    static zelmdb::DesignStore& Design() { return *zelmdb::DatabaseSet::Get().Design(); }
    static void PutPad(zelmdb::DesignStore& store, const std::string& name, LayerGeometry top,
                       LayerGeometry bottom = {}) {
        zelmdb::Padstack pad;
        pad.id = store.NewPadstack();
        pad.nameId = store.NameCreate(name);
        pad.layers.resize(14);
        pad.layers[0] = top;
        pad.layers[1] = bottom;
        ASSERT_TRUE(store.PutPadstack(pad));
    }
    // A library file with one top padstack, listed in the host's settings file.
    void ListLibrary(const std::string& padName) {
        zelmdb::DesignInfo info;
        info.kind = zelmdb::FileKind::Library;
        const std::string file = Path("lib.olb").string();
        auto created = zelmdb::DesignStore::Create(file, info);
        ASSERT_TRUE(created.ok()) << created.error();
        PutPad(*created.value(), padName, LayerGeometry{1000, 1000, 1000, 1000, 2, 0});
        std::ofstream(Path("host") / "ORVEX.INI") << "[PADSTACK_LIB]\r\nlib=" << file << "\r\n";
    }
    std::string ActiveCaption() const { return WindowCaption(GetActiveWindow()); }
};

struct CaptionCase {
    int button;
    const char* caption;
};

void PrintTo(const CaptionCase& c, std::ostream* out) { *out << c.button; }

class SelectPadstackCaptionTest : public SelectPadstackRunTest,
                                  public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(SelectPadstackCaptionTest, CaptionNamesThePadBeingChosen) {
    std::string caption;
    probe = [&] { caption = ActiveCaption(); };
    EXPECT_EQ(Show("click " + std::to_string(GetParam().button) + "\n" + ProbeLine() + "cancel\ncancel\n"), 0)
        << error;
    EXPECT_EQ(caption, GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(Buttons, SelectPadstackCaptionTest,
                         ::testing::Values(CaptionCase{IDC_SELECT_DEFAULT_PADSTACK, "Select Padstack - Default Pad"},
                                           CaptionCase{IDC_SELECT_PIN1_PADSTACK, "Select Padstack - Pin 1 Pad"}));

struct ChoiceCase {
    int button;
    const char* defaultName;
    const char* pin1Name;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) { *out << c.button; }

class SelectPadstackChoiceTest : public SelectPadstackRunTest,
                                 public ::testing::WithParamInterface<ChoiceCase> {};

// The default pad also becomes pin 1; pin 1 alone leaves the default.
TEST_P(SelectPadstackChoiceTest, OkStoresTheChosenNames) {
    const std::string script = "click " + std::to_string(GetParam().button) + "\nselect 1056 S40\nok\n" +
                               "expect 1021 " + GetParam().defaultName + "\nexpect 1022 " + GetParam().pin1Name +
                               "\ncancel\n";
    EXPECT_EQ(Show(script), 0);
    EXPECT_EQ(error, "");
}

INSTANTIATE_TEST_SUITE_P(Buttons, SelectPadstackChoiceTest,
                         ::testing::Values(ChoiceCase{IDC_SELECT_DEFAULT_PADSTACK, "S40", "S40"},
                                           ChoiceCase{IDC_SELECT_PIN1_PADSTACK, "R60", "S40"}));

TEST_F(SelectPadstackRunTest, ValuesOfTheShownPadstack) {
    const std::string script = "click 1058\nselect 1056 S40\nexpect 4105 " + std::string(BaseToStr(5080)) +
                               "\nexpect 4108 \"90 30'\"\nexpect 4109 \"Top -  (mils)\"\ncancel\ncancel\n";
    Show(script);
    EXPECT_EQ(error, "");
}

struct CopyCase {
    const char* script;   // after the library padstack LIB1 has been shown
    bool kept;
};

void PrintTo(const CopyCase& c, std::ostream* out) { *out << (c.kept ? "kept" : "deleted"); }

class SelectPadstackCopyTest : public SelectPadstackRunTest, public ::testing::WithParamInterface<CopyCase> {};

// A library padstack is in the design only while it is shown, unless OK takes it.
TEST_P(SelectPadstackCopyTest, LibraryCopyIsKeptOnlyByOk) {
    ListLibrary("LIB1");
    Show(std::string("click 1059\nselect 1056 LIB1\n") + GetParam().script + "cancel\n");
    EXPECT_EQ(error, "");
    EXPECT_EQ(ThruFind("LIB1") > 0, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Ends, SelectPadstackCopyTest,
                         ::testing::Values(CopyCase{"ok\nexpect 1022 LIB1\n", true}, CopyCase{"cancel\n", false},
                                           CopyCase{"select 1056 R60\nok\n", false}));

TEST_F(SelectPadstackRunTest, CancelLeavesTheDesignsPadstacksAsTheyWere) {
    ListLibrary("LIB1");
    const int16_t before[] = {ThruFind("R60"), ThruFind("S40"), ThruFind("LIB1")};
    Show("click 1058\nselect 1056 LIB1\nselect 1056 S40\nselect 1056 LIB1\ncancel\ncancel\n");
    EXPECT_EQ(error, "");
    const int16_t after[] = {ThruFind("R60"), ThruFind("S40"), ThruFind("LIB1")};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(after[i], before[i]) << i;
}

TEST_F(SelectPadstackRunTest, OkWithoutAnyPadstackAsksForALibrary) {
    zelmdb::DatabaseSet::Get().CloseAll();
    AttachDesign(1);
    Show("click 1058\nok\nexpect 4105 \"- - - - - -\"\ncancel\ncancel\n");
    EXPECT_EQ(error, "");
    bool asked = false;
    for (const auto& box : ShownMessageBoxes())
        asked = asked || box.Text == "Please add a padstack library and\nselect a padstack or click Cancel";
    EXPECT_TRUE(asked);
}

}  // namespace
