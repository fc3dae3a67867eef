// The file-open window used as a person would: lists filtered by type, folders entered and
// left, names picked or typed, refusals in a message box, and a picture of the window.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "platform/gdi/png_io.h"
#include "platform/ui/file_filter.h"
#include "platform/ui/file_open_window.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/standard_controls.h"
#include "platform/win/message_box.h"
#include "platform/win/window_manager.h"
#include "tests/support/script_line.h"

namespace fs = std::filesystem;
using FileWindow = FileOpenWindow;

namespace {

constexpr const char* kFilter = "Library (*.olb)|*.olb|All Files (*.*)|*.*||";

// One tree per process: ctest runs the cases side by side.
fs::path Tree() {
    static const fs::path tree = (fs::path(TESSRA_TEST_OUT) / ("file-open-" + std::to_string(getpid())) / "lib").lexically_normal();
    return tree;
}

void Touch(const fs::path& p) { std::ofstream(p) << "x"; }

struct Outcome {
    int answer = 0;
    std::string path;
    std::string error;
    std::vector<std::string> boxes;
};

class FileOpenWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(InstallStandardControls());
        SetScreenSize(640, 480);
        fs::remove_all(Tree());
        fs::create_directories(Tree() / "sub");
        fs::create_directories(Tree() / "alpha");
        for (const char* f : {"a.olb", "b.olb", "c.OLB", "notes.txt", "README", "sub/inner.olb", "alpha/x.txt"})
            Touch(Tree() / f);
    }
    static void TearDownTestSuite() { fs::remove_all(Tree().parent_path()); }
    void SetUp() override { ClearShownMessageBoxes(); }

    static Outcome Run(const std::string& script, FileDialogRequest request) {
        const ScriptParse parse = ParseScript(script);
        EXPECT_TRUE(parse.Ok()) << parse.error;
        Outcome out;
        HeadlessDriver driver(parse.actions);
        // The driver answers file dialogs itself; the window must be the one that answers here.
        FileDialogPresenter previous = SetFileDialogPresenter(&FileOpenWindow::Present);
        CFileDialog dialog(TRUE, request.defaultExt.c_str(), request.initialName.c_str(), 0, request.filter.c_str());
        dialog.m_request.initialDir = request.initialDir;
        out.answer = int(dialog.DoModal());
        out.path = dialog.GetPathName();
        SetFileDialogPresenter(previous);
        out.error = driver.Error();
        for (const ShownMessageBox& b : ShownMessageBoxes()) out.boxes.push_back(b.Text);
        return out;
    }
    static FileDialogRequest Request(const char* filter = kFilter) {
        FileDialogRequest r;
        r.filter = filter;
        r.defaultExt = "olb";
        r.initialDir = Tree().string();
        return r;
    }
};

struct FileCase {
    const char* name;
    std::string script;      // "@" stands for the tree's folder
    const char* filter;
    int answer;
    const char* chosen;      // relative to the tree, "" for none
    const char* error;       // a part of the driver's error, "" for none
    const char* box;         // a part of the only message box, "" for none
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

std::string WithTree(std::string script) {
    for (size_t at; (at = script.find('@')) != std::string::npos;) script.replace(at, 1, Tree().string());
    return script;
}

class FileOpenCaseTest : public FileOpenWindowTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(FileOpenCaseTest, AnswersAsAPersonWouldExpect) {
    const FileCase& c = GetParam();
    const Outcome out = Run(WithTree(c.script), Request(c.filter));
    EXPECT_EQ(out.answer, c.answer) << out.error;
    EXPECT_EQ(out.path, *c.chosen ? (Tree() / c.chosen).string() : std::string());
    if (*c.error) EXPECT_NE(out.error.find(c.error), std::string::npos) << out.error;
    else EXPECT_EQ(out.error, "");
    if (*c.box) {
        ASSERT_EQ(out.boxes.size(), 1u);
        EXPECT_NE(out.boxes[0].find(c.box), std::string::npos) << out.boxes[0];
    } else {
        EXPECT_TRUE(out.boxes.empty()) << out.boxes.front();
    }
    EXPECT_EQ(GetModalWindow(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Table, FileOpenCaseTest, ::testing::Values(
    FileCase{"ListShowsOnlyMatchingFiles", Act("select", FileWindow::kFileList, "a.olb") + Act("select", FileWindow::kFileList, "#1") + "ok\n", kFilter, IDOK, "b.olb", "", ""},
    FileCase{"TextFileIsNotListed", Act("select", FileWindow::kFileList, "notes.txt"), kFilter, IDCANCEL, "", "no entry \"notes.txt\"", ""},
    FileCase{"UpperCaseExtensionIsNotListed", Act("select", FileWindow::kFileList, "#2"), kFilter, IDCANCEL, "", "no entry #2", ""},
    FileCase{"TwoPatternsListBoth", Act("select", FileWindow::kFileList, "#2") + "ok\n", "Libraries|*.olb;*.OLB||", IDOK, "c.OLB", "", ""},
    FileCase{"AllTypesListEveryFile", Act("select", FileWindow::kTypeCombo, "All Files (*.*)") + Act("select", FileWindow::kFileList, "#4") + "ok\n", kFilter, IDOK, "notes.txt", "", ""},
    FileCase{"AllTypesListNoFolders", Act("select", FileWindow::kTypeCombo, "#1") + Act("select", FileWindow::kFileList, "#5"), kFilter, IDCANCEL, "", "no entry #5", ""},
    FileCase{"FoldersAreBracketedAndSorted", Act("select", FileWindow::kFolderList, "#1") + "key enter\n" + Act("select", FileWindow::kFileList, "#0") + "ok\n", kFilter, IDCANCEL, "", "no entry #0", ""},
    FileCase{"EnterOpensASubfolder", Act("select", FileWindow::kFolderList, "[sub]") + "key enter\n" + Act("expect", FileWindow::kFolderText, "@/sub") + Act("select", FileWindow::kFileList, "inner.olb") + "ok\n", kFilter, IDOK, "sub/inner.olb", "", ""},
    FileCase{"DotDotGoesBack", Act("select", FileWindow::kFolderList, "[sub]") + "key enter\n" + Act("select", FileWindow::kFolderList, "[..]") + "key enter\n" + Act("expect", FileWindow::kFolderText, "@") + Act("select", FileWindow::kFileList, "a.olb") + "ok\n", kFilter, IDOK, "a.olb", "", ""},
    FileCase{"PickedFileFillsTheName", Act("select", FileWindow::kFileList, "b.olb") + Act("expect", FileWindow::kNameEdit, "b.olb") + "ok\n", kFilter, IDOK, "b.olb", "", ""},
    FileCase{"TypedRelativeName", Act("set", FileWindow::kNameEdit, "sub/inner.olb") + "ok\n", kFilter, IDOK, "sub/inner.olb", "", ""},
    FileCase{"TypedNameGetsTheDefaultExtension", Act("set", FileWindow::kNameEdit, "a") + "ok\n", kFilter, IDOK, "a.olb", "", ""},
    FileCase{"TypedAbsoluteName", Act("set", FileWindow::kNameEdit, "@/alpha/x.txt") + "ok\n", kFilter, IDOK, "alpha/x.txt", "", ""},
    FileCase{"TypedFolderIsEntered", Act("set", FileWindow::kNameEdit, "alpha") + "ok\n" + Act("expect", FileWindow::kFolderText, "@/alpha") + Act("expect", FileWindow::kNameEdit, "") + Act("select", FileWindow::kTypeCombo, "#1") + Act("select", FileWindow::kFileList, "x.txt") + "ok\n", kFilter, IDOK, "alpha/x.txt", "", ""},
    FileCase{"EnterInTheNameIsOk", Act("set", FileWindow::kNameEdit, "b.olb") + "key enter\n", kFilter, IDOK, "b.olb", "", ""},
    FileCase{"MissingNameIsRefusedAndTheWindowStays", Act("set", FileWindow::kNameEdit, "missing.olb") + "ok\n" + Act("expect", FileWindow::kNameEdit, "missing.olb") + "cancel\n", kFilter, IDCANCEL, "", "", "was not found"},
    FileCase{"EmptyNameIsRefused", "ok\ncancel\n", kFilter, IDCANCEL, "", "", "Type a file name"},
    FileCase{"NameInAMissingFolderIsRefused", Act("set", FileWindow::kNameEdit, "nowhere/a.olb") + "ok\ncancel\n", kFilter, IDCANCEL, "", "", "was not found"},
    FileCase{"CancelAnswersCancel", Act("select", FileWindow::kFileList, "a.olb") + "cancel\n", kFilter, IDCANCEL, "", "", ""},
    FileCase{"EscapeAnswersCancel", Act("set", FileWindow::kNameEdit, "a.olb") + "key escape\n", kFilter, IDCANCEL, "", "", ""},
    FileCase{"TabReachesCancelLast", Act("set", FileWindow::kNameEdit, "b.olb") + "key tab\nkey tab\nkey tab\nkey tab\nkey tab\nkey enter\n", kFilter, IDCANCEL, "", "", ""},
    FileCase{"TabReachesOkBeforeCancel", Act("set", FileWindow::kNameEdit, "x.olb") + "key tab\nkey tab\nkey tab\nkey tab\nkey enter\ncancel\n", kFilter, IDCANCEL, "", "", "was not found"},
    FileCase{"CloseBoxAnswersCancel", "close\n", kFilter, IDCANCEL, "", "", ""}),
    [](const ::testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

TEST_F(FileOpenWindowTest, UnreadableStartFolderIsSaidAndTheWorkingFolderShown) {
    FileDialogRequest r = Request();
    r.initialDir = (Tree() / "gone").string();
    std::error_code error;
    const std::string here = fs::current_path(error).lexically_normal().string();
    const Outcome out = Run("expect 1088 \"" + here + "\"\ncancel\n", r);
    EXPECT_EQ(out.answer, IDCANCEL);
    EXPECT_EQ(out.error, "");
    ASSERT_EQ(out.boxes.size(), 1u);
    EXPECT_NE(out.boxes[0].find("cannot be opened"), std::string::npos) << out.boxes[0];
}

TEST_F(FileOpenWindowTest, NoStartFolderMeansTheWorkingFolder) {
    FileDialogRequest r = Request();
    r.initialDir.clear();
    std::error_code error;
    const std::string here = fs::current_path(error).lexically_normal().string();
    const Outcome out = Run("expect 1088 \"" + here + "\"\ncancel\n", r);
    EXPECT_EQ(out.error, "");
    EXPECT_TRUE(out.boxes.empty());
}

// Double-clicks come straight from the mouse, so this one feeds them without a script.
TEST_F(FileOpenWindowTest, DoubleClicksEnterAFolderAndChooseAFile) {
    int step = 0;
    WindowManager::Instance().SetInputSource([&step] {
        const HWND w = GetModalWindow();
        if (!w) return false;
        const HWND list = GetDlgItem(w, step == 0 ? FileOpenWindow::kFolderList : FileOpenWindow::kFileList);
        const int rowHeight = int(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        const int row = step == 0 ? int(SendMessageA(list, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("[sub]"))) : 0;
        if (step++ > 1 || row < 0) return false;
        PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, WORD(row * rowHeight + rowHeight / 2)));
        return true;
    });
    SetFileDialogPresenter(&FileOpenWindow::Present);
    CFileDialog dialog(TRUE, "olb", nullptr, 0, kFilter);
    dialog.m_request.initialDir = Tree().string();
    EXPECT_EQ(dialog.DoModal(), IDOK);
    SetFileDialogPresenter(nullptr);
    WindowManager::Instance().SetInputSource(nullptr);
    EXPECT_EQ(dialog.GetPathName(), (Tree() / "sub" / "inner.olb").string());
}

// Alt+letter moves to the control its label names; each letter is tried in its own window.
TEST_F(FileOpenWindowTest, AltLettersMoveToTheirControls) {
    const std::pair<char, int> keys[] = {{'t', FileOpenWindow::kTypeCombo}, {'I', FileOpenWindow::kFileList},
                                         {'f', FileOpenWindow::kFolderList}, {'n', FileOpenWindow::kNameEdit}};
    SetFileDialogPresenter(&FileOpenWindow::Present);
    for (const auto& [key, id] : keys) {
        int step = 0;
        int focused = 0;
        WindowManager::Instance().SetInputSource([&, key = key] {
            const HWND w = GetModalWindow();
            if (!w || step > 2) return false;
            if (step == 0 && id == FileOpenWindow::kNameEdit) SetFocus(GetDlgItem(w, IDCANCEL));
            if (step == 1) focused = GetDlgCtrlID(GetFocus());
            const bool first = step++ == 0;
            PostMessageA(GetFocus(), first ? WM_SYSCHAR : WM_KEYDOWN, first ? WPARAM(key) : VK_ESCAPE, 0);
            return true;
        });
        CFileDialog dialog(TRUE, "olb", nullptr, 0, kFilter);
        dialog.m_request.initialDir = Tree().string();
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(focused, id) << key;
    }
    SetFileDialogPresenter(nullptr);
    WindowManager::Instance().SetInputSource(nullptr);
}

TEST_F(FileOpenWindowTest, PictureOfTheWindow) {
    const std::string out = (fs::path(TESSRA_TEST_OUT) / "file_open_window.png").string();
    fs::remove(out);
    const Outcome run = Run(Act("select", FileWindow::kFileList, "b.olb") + "shot dialog " + out + "\ncancel\n", Request());
    EXPECT_EQ(run.error, "");
    Surface shot;
    std::string error;
    ASSERT_TRUE(ReadPng(out, shot, error)) << error;
    EXPECT_GT(shot.Width(), 430);
    EXPECT_GT(shot.Height(), 292);
}

struct GlobCase {
    const char* pattern;
    const char* name;
    bool matches;
};
void PrintTo(const GlobCase& c, std::ostream* os) { *os << c.pattern << " on " << c.name; }
class FileFilterGlobTest : public ::testing::TestWithParam<GlobCase> {};

TEST_P(FileFilterGlobTest, Matches) {
    EXPECT_EQ(FileFilter::Matches(GetParam().pattern, GetParam().name), GetParam().matches)
        << GetParam().pattern << " on " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Table, FileFilterGlobTest, ::testing::Values(
    GlobCase{"*.olb", "a.olb", true}, GlobCase{"*.olb", "a.OLB", false}, GlobCase{"*.olb", "a.olb.bak", false},
    GlobCase{"?.olb", "ab.olb", false}, GlobCase{"??.olb", "ab.olb", true}, GlobCase{"a*b*c", "aXbYc", true},
    GlobCase{"a*b*c", "aXbY", false}, GlobCase{"*.*", "README", true}, GlobCase{"*", "", true},
    GlobCase{"lib?.olb", "lib1.olb", true}, GlobCase{"*a", "banana", true}, GlobCase{"", "x", false}));

struct ParseCase {
    const char* filter;
    std::vector<std::string> descriptions;
    std::vector<size_t> patternCounts;
};
void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.filter << '"'; }
class FileFilterParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(FileFilterParseTest, ReadsDescriptionsAndPatterns) {
    const std::vector<FileFilter::Choice> choices = FileFilter::Parse(GetParam().filter);
    std::vector<std::string> descriptions;
    std::vector<size_t> counts;
    for (const FileFilter::Choice& c : choices) {
        descriptions.push_back(c.description);
        counts.push_back(c.patterns.size());
    }
    EXPECT_EQ(descriptions, GetParam().descriptions);
    EXPECT_EQ(counts, GetParam().patternCounts);
}

INSTANTIATE_TEST_SUITE_P(Table, FileFilterParseTest, ::testing::Values(
    ParseCase{"Text (*.txt)|*.txt|All (*.*)|*.*||", {"Text (*.txt)", "All (*.*)"}, {1, 1}},
    ParseCase{"Lib|*.olb; *.OLB||", {"Lib"}, {2}},
    ParseCase{"", {"All Files (*.*)"}, {1}},
    ParseCase{"Broken|", {"All Files (*.*)"}, {1}},
    ParseCase{"Empty| ;|Good|*.a||", {"Good"}, {1}}));

TEST(FileFilterPatternTest, SpacesAroundPatternsAreDropped) {
    const std::vector<FileFilter::Choice> choices = FileFilter::Parse("Lib|*.olb; *.OLB||");
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].patterns, (std::vector<std::string>{"*.olb", "*.OLB"}));
    EXPECT_TRUE(FileFilter::MatchesAny(choices[0], "x.OLB"));
    EXPECT_FALSE(FileFilter::MatchesAny(choices[0], "x.Olb"));
}

}  // namespace
