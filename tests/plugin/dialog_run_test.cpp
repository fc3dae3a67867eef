// The dialog run linked in directly, so the shared state it resets can be looked at and
// spoiled between runs, as a previous run would have left it.
#include <gtest/gtest.h>

#include <string>

#include "array/shared_state.h"
#include "platform/framework/module_state.h"
#include "plugin/dialog_run.h"
#include "plugin/plugin_module.h"
#include "preview/style_sample_wnd.h"
#include "res/resource.h"
#include "sheet/tessra_sheet.h"
#include "tests/plugin/dialog_run_fixture.h"
#include "tests/support/script_line.h"

namespace {

using DialogRunTest = DialogRunFixture;

TEST_F(DialogRunTest, EveryRunStartsWithTheDefaultAlphabet) {
    Alphabet twoLetters{};
    twoLetters[1] = twoLetters[2] = 1;
    // The first run's alphabet dialog chose two letters; they stay until the next call.
    probe = [&] { SetActiveAlphabet(twoLetters); };
    Show(ProbeLine() + "cancel\n");
    EXPECT_EQ(ActiveAlphabetCount, 2);
    Alphabet during{};
    int32_t countDuring = 0;
    probe = [&] {
        during = ActiveAlphabet;
        countDuring = ActiveAlphabetCount;
    };
    Show(ProbeLine() + "cancel\n");
    EXPECT_EQ(during, DefaultAlphabet);
    EXPECT_EQ(countDuring, 18);
}

TEST_F(DialogRunTest, SampleFlagLeftByTheLastRunDoesNotSwallowTheFirstPress) {
    // The last run ended with its sample open; the window went with the sheet, the flag stayed.
    SampleWindowShown = 1;
    bool open = false;
    probe = [&] { open = StyleSampleWindow.GetSafeHwnd() != 0; };
    Show(Act("click", IDC_STYLE_SAMPLE) + ProbeLine() + "cancel\n");
    EXPECT_TRUE(open);
}

TEST_F(DialogRunTest, RunKeepsNameAndTitleAndLeavesNoSheetBehind) {
    Show("cancel\n", "DIP14");
    EXPECT_EQ(FootprintName, "DIP14");
    EXPECT_EQ(SheetTitle, "Tessra Generator: DIP14 - [Units: Mils]");
    EXPECT_EQ(ActiveSheet, nullptr);
    EXPECT_EQ(ActiveSheetWindow(), 0);
}

TEST_F(DialogRunTest, SheetWithoutItsWindowIsNotActive) {
    AFX_MANAGE_STATE_SCOPE state(TessraModuleState());
    CTessraSheet sheet("Tessra Generator: QFP48 - [Units: Mils]", nullptr, 0);
    ActiveSheet = &sheet;
    EXPECT_EQ(ActiveSheetWindow(), 0);
    ActiveSheet = nullptr;
}

}  // namespace
