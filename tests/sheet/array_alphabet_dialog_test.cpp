// The alphabet dialog driven as a person would use it: which letters are in force afterwards,
// the refusal of a one-letter alphabet, the renaming of the active pads, and its picture.
#include "sheet/array_alphabet_dialog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "array/placement.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/script.h"
#include "platform/ui/standard_controls.h"
#include "platform/win/window_manager.h"
#include "preview/array_preview_wnd.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "tests/array/array_fixture.h"
#include "tests/support/golden_picture.h"
#include "tests/support/script_line.h"

namespace {

Alphabet FromLetters(const std::string& letters) {
    Alphabet table{};
    for (char c : letters) table[size_t(c - 'A')] = 1;
    return table;
}

std::string Letters(const Alphabet& table) {
    std::string letters;
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i] != 0) letters += char('A' + i);
    return letters;
}

// The "click" lines that flip the given letters' boxes.
std::string Clicks(const std::string& letters) {
    std::string script;
    for (char c : letters) script += "click " + std::to_string(267 + (c - 'A')) + "\n";
    return script;
}

const std::string kDefaultLetters = "ABCDEFGIJKLMOQSTUW";

class AlphabetDialogTest : public ArrayFixture {
protected:
    void SetUp() override {
        ArrayFixture::SetUp();
        ASSERT_TRUE(InstallStandardControls());
        AddAlphabetDialogTemplate(AfxGetModuleState()->resources);
        SetScreenSize(640, 480);
    }
    void TearDown() override {
        PreviewWindow = nullptr;
        ArrayFixture::TearDown();
    }
    intptr_t Run(const std::string& script) {
        const ScriptParse parse = ParseScript(script);
        EXPECT_TRUE(parse.Ok()) << parse.error;
        HeadlessDriver driver(parse.actions);
        CArrayAlphabetDialog dialog;
        const intptr_t result = dialog.DoModal();
        EXPECT_FALSE(driver.Failed()) << driver.Error();
        return result;
    }
    // A 3 by 2 grid named "%Y%X", rows lettered from the alphabet's first letter.
    void UseGrid() {
        params.Style = ArrayStyle::Grid;
        SetNameFormat(params, "%Y%X");
        params.X = {1, 1, 0, 3, 100};
        params.Y = {0, 1, 1, 2, 100};
        pads.RemoveAll();
        RecomputePads();
    }
};

struct AlphabetRun {
    const char* name;
    std::string before;
    std::string script;
    intptr_t result;
    std::string after;
    size_t refusals;   // boxes "At least 2 letters ..."
};

void PrintTo(const AlphabetRun& r, std::ostream* os) { *os << r.name; }

class AlphabetRunTest : public AlphabetDialogTest, public ::testing::WithParamInterface<AlphabetRun> {};

TEST_P(AlphabetRunTest, LettersInForceAfterwards) {
    SetActiveAlphabet(FromLetters(GetParam().before));
    EXPECT_EQ(Run(GetParam().script), GetParam().result);
    EXPECT_EQ(Letters(ActiveAlphabet), GetParam().after);
    EXPECT_EQ(ActiveAlphabetCount, int32_t(GetParam().after.size()));
    ASSERT_EQ(ShownMessageBoxes().size(), GetParam().refusals);
    for (const ShownMessageBox& box : ShownMessageBoxes()) {
        EXPECT_EQ(box.Text, "At least 2 letters must be selected in the alphabet");
        EXPECT_EQ(box.Caption, "tessra");   // the application's title: the module file's name
        EXPECT_EQ(box.Type & MB_TYPEMASK, MB_OK);
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, AlphabetRunTest, ::testing::Values(
    AlphabetRun{"UncheckAThenOk", kDefaultLetters, Act("click", IDC_LETTER_A) + "ok\n", IDOK, "BCDEFGIJKLMOQSTUW", 0},
    AlphabetRun{"CancelDropsTheBoxes", kDefaultLetters, Act("click", IDC_LETTER_A) + Act("click", IDC_LETTER_Z) +
                "cancel\n", IDCANCEL, kDefaultLetters, 0},
    AlphabetRun{"EscapeIsCancel", kDefaultLetters, Act("click", IDC_LETTER_A) +
                "key escape\n", IDCANCEL, kDefaultLetters, 0},
    AlphabetRun{"EnterIsOk", kDefaultLetters, Act("click", IDC_LETTER_Z) + "key enter\n", IDOK, kDefaultLetters +
                "Z", 0},
    AlphabetRun{"OneLetterRefusedThenMended", "AB", Act("click", IDC_LETTER_A + 1) + "ok\n" + Act("click", IDC_LETTER_A +
                                                        2) + "ok\n", IDOK, "AC", 1},
    AlphabetRun{"RefusalKeepsTheTableForCancel", "AB", Act("click", IDC_LETTER_A) + "ok\ncancel\n", IDCANCEL, "AB", 1},
    AlphabetRun{"NoLetterRefused", kDefaultLetters, Clicks(kDefaultLetters) + "ok\ncancel\n", IDCANCEL,
                kDefaultLetters, 1},
    AlphabetRun{"StandardThenCancelKeepsTheStandardSet", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", Act("click", IDC_STANDARD_ALPHABET) +
                "cancel\n",
                IDCANCEL, kDefaultLetters, 0},
    AlphabetRun{"StandardReloadsTheBoxes", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", Act("click", IDC_STANDARD_ALPHABET) +
                Act("click", IDC_LETTER_A + 7) + "ok\n", IDOK,
                "ABCDEFGHIJKLMOQSTUW", 0},
    AlphabetRun{"OpeningOnOneLetterSaysSoAndOkWaits", "A", "ok\n" + Act("click", IDC_LETTER_Z) +
                "ok\n", IDOK, "AZ", 2}),
    [](const ::testing::TestParamInfo<AlphabetRun>& info) { return std::string(info.param.name); });

TEST_F(AlphabetDialogTest, OkRenamesThePadsOfTheActivePageAtOnce) {
    UseGrid();
    ASSERT_EQ(Names(), (std::vector<std::string>{"A1", "A2", "A3", "B1", "B2", "B3"}));
    EXPECT_EQ(Run(Act("click", IDC_LETTER_A) + "ok\n"), IDOK);
    EXPECT_EQ(ActiveAlphabetCount, 17);
    EXPECT_EQ(Names(), (std::vector<std::string>{"B1", "B2", "B3", "C1", "C2", "C3"}));
}

TEST_F(AlphabetDialogTest, OkWithoutAnActivePageOnlySetsTheAlphabet) {
    CurrentParameters = nullptr;
    CurrentPadList = nullptr;
    EXPECT_EQ(Run(Act("click", IDC_LETTER_A) + "ok\n"), IDOK);
    EXPECT_EQ(ActiveAlphabetCount, 17);
}

TEST_F(AlphabetDialogTest, OkAsksThePreviewToRepaint) {
    CArrayPreviewWnd preview;
    ASSERT_TRUE(preview.CreateEx(0, AfxRegisterWndClass(0, 0), "Array Preview: ", WS_POPUP | WS_VISIBLE, 0, 0,
                                 100, 100, 0, 0));
    PreviewWindow = &preview;
    UpdateWindow(preview.m_hWnd);   // a scripted run paints nothing of itself
    // Cancel closes without asking; OK asks, and the dialog's loop ends before the paint comes.
    EXPECT_EQ(Run("cancel\n"), IDCANCEL);
    EXPECT_FALSE(GetUpdateRect(preview.m_hWnd, nullptr, FALSE));
    EXPECT_EQ(Run("ok\n"), IDOK);
    EXPECT_TRUE(GetUpdateRect(preview.m_hWnd, nullptr, FALSE));
}

// The script has no Alt key, so this run feeds the mnemonics straight into the queue, to the
// active dialog as keys go when no control has the focus yet.
TEST_F(AlphabetDialogTest, AltLetterTogglesItsBox) {
    std::vector<std::function<void()>> steps = {
        [] { PostMessageA(GetModalWindow(), WM_SYSCHAR, 'a', LPARAM(1) << 29); },
        [] { PostMessageA(GetModalWindow(), WM_SYSCHAR, 'Z', LPARAM(1) << 29); },
        [] { PostMessageA(GetModalWindow(), WM_COMMAND, IDOK, 0); },
    };
    size_t next = 0;
    WindowManager::Instance().SetInputSource([&] {
        if (next == steps.size()) return false;
        steps[next++]();
        return true;
    });
    CArrayAlphabetDialog dialog;
    const intptr_t result = dialog.DoModal();
    WindowManager::Instance().SetInputSource(nullptr);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Letters(ActiveAlphabet), "BCDEFGIJKLMOQSTUWZ");
}

TEST_F(AlphabetDialogTest, PictureOfTheDialog) {
    EXPECT_EQ(Run("shot dialog " + PictureOutPath("sheet/alphabet_dialog.png").string() + "\ncancel\n"), IDCANCEL);
    ExpectSameAsGolden("sheet/alphabet_dialog.png");
}

}  // namespace
