// The window-state file against a real host folder and plug-in folder: what a save writes, what a
// read gives back, and what the user is told when the file cannot be made or written.
#include "sheet/window_state.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/zelmdb/host_environment.h"
#include "host/zelmdb/profile_handles.h"
#include "platform/win/message_box.h"
#include "platform/win/win_api.h"
#include "platform/win/whole_file.h"
#include "tests/array/array_fixture.h"
#include "tests/sheet/sheet_run_fixture.h"

namespace {

namespace fs = std::filesystem;

// Written by hand, so a slip in the plug-in's own copy of the header shows.
const std::string kDefaultHeader =
    "#\r\n# Orvex Tessra Ini File\r\n#\r\n\r\n# Window states for Tessra dialog and Preview window\r\n";

LRESULT PlainProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(h, msg, wp, lp); }

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class WindowStateTest : public ArrayFixture {
protected:
    void SetUp() override {
        ArrayFixture::SetUp();
        presenter_ = SetMessageBoxPresenter(nullptr);   // every box answered by its OK at once
        static const bool registered = [] {
            WNDCLASSA cls{};
            cls.lpfnWndProc = PlainProc;
            cls.lpszClassName = "StateTestWindow";
            return RegisterClassA(&cls) != 0;
        }();
        ASSERT_TRUE(registered);
        SetScreenSize(1280, 1024);
        FootprintName = "QFP48";
        host = dir_ / "host";
        plugin = dir_ / "plugin";
        fs::create_directories(plugin);
        zelmdb::HostEnvironment::Get().SetPluginFolder(plugin.string());
        PlaceModuleFile(plugin);
        sheet = Window("Tessra Generator: QFP48 - [Units: Mils]", -12, 80, 500, 400);
    }
    void TearDown() override {
        for (HWND h : windows_) DestroyWindow(h);
        SetMessageBoxPresenter(presenter_);
        FootprintName.clear();
        ArrayFixture::TearDown();
    }

    HWND Window(const std::string& caption, int x, int y, int w, int h) {
        const HWND made = CreateWindowExA(0, "StateTestWindow", caption.c_str(), WS_OVERLAPPED | WS_CAPTION,
                                          x, y, w, h, 0, 0, 0, nullptr);
        windows_.push_back(made);
        return made;
    }
    void OpenPreview() { Window("Array Preview: QFP48", 400, 300, 320, 240); }

    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        for (const ShownMessageBox& b : ShownMessageBoxes()) {
            EXPECT_EQ(b.Owner, sheet) << b.Text;
            EXPECT_EQ(b.Type, MB_OK) << b.Text;
            boxes.push_back(b.Caption + ": " + b.Text);
        }
        return boxes;
    }

    fs::path host, plugin;
    HWND sheet = 0;

private:
    std::vector<HWND> windows_;
    MessageBoxPresenter presenter_;
};

constexpr const char* kSheetLines =
    "ScreenResolution=1280\r\nTessraDialogLeft=-12\r\nTessraDialogTop=80\r\nTessraActivePage=3\r\n";
constexpr const char* kPreviewLines =
    "PreviewWindowLeft=400\r\nPreviewWindowTop=300\r\nPreviewWindowWidth=320\r\nPreviewWindowHeight=240\r\n";

TEST_F(WindowStateTest, FirstSaveMakesTheDefaultFileBesideTheModuleThenTheSection) {
    OpenPreview();
    SaveWindowState(sheet, 3);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(fs::exists(host / "tessra.ini"));
    // The section text is one CR LF block ending in its own CR LF, so the file gets a blank line.
    EXPECT_EQ(ReadFile(plugin / "tessra.ini"),
              kDefaultHeader + "[WINDOW_STATES]\r\n" + kSheetLines + kPreviewLines + "\r\n");
}

TEST_F(WindowStateTest, WhatASaveWritesAReadGivesBack) {
    OpenPreview();
    SaveWindowState(sheet, 5);
    WindowState state;
    ASSERT_EQ(ReadWindowState(state), 1);
    EXPECT_EQ(state.ScreenResolution, 1280);
    EXPECT_EQ(state.DialogLeft, -12);
    EXPECT_EQ(state.DialogTop, 80);
    EXPECT_EQ(state.ActivePage, 5);
    EXPECT_EQ(state.PreviewLeft, 400);
    EXPECT_EQ(state.PreviewTop, 300);
    EXPECT_EQ(state.PreviewWidth, 320);
    EXPECT_EQ(state.PreviewHeight, 240);
}

TEST_F(WindowStateTest, ASecondSaveReplacesOnlyTheSection) {
    const std::string before = "; kept\r\n[ABOVE]\r\nx=1\r\n[WINDOW_STATES]\r\n# old\r\nScreenResolution=640\r\n"
                               "TessraActivePage=1\r\n[BELOW]\r\ny=2\r\n";
    WriteFile(host / "tessra.ini", before);
    OpenPreview();
    SaveWindowState(sheet, 3);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(ReadFile(host / "tessra.ini"), std::string("; kept\r\n[ABOVE]\r\nx=1\r\n[WINDOW_STATES]\r\n") +
                                                 kSheetLines + kPreviewLines + "\r\n[BELOW]\r\ny=2\r\n");
    EXPECT_FALSE(fs::exists(plugin / "tessra.ini"));   // the file the host finds first is the one
}

TEST_F(WindowStateTest, ReadingLeavesTheHostAsItWasAndTheStateAloneWhenThereIsNone) {
    const size_t handles = zelmdb::ProfileHandles::Get().size();
    const WindowState sentinel{7, 7, 7, 7, 7, 7, 7, 7};
    WindowState state = sentinel;
    EXPECT_EQ(ReadWindowState(state), 0);   // no file at all
    EXPECT_EQ(state.PreviewHeight, 7);
    WriteFile(host / "tessra.ini", kDefaultHeader);   // a file, but no section yet
    EXPECT_EQ(ReadWindowState(state), 0);
    WriteFile(host / "tessra.ini", "[WINDOW_STATES]\r\nScreenResolution=1\r\n");
    EXPECT_EQ(ReadWindowState(state), 1);
    EXPECT_EQ(state.ScreenResolution, 1);
    // Texts freed and the host's own settings file current again.
    EXPECT_EQ(zelmdb::ProfileHandles::Get().size(), handles);
    EXPECT_EQ(zelmdb::HostEnvironment::Get().CurrentIniPath(), zelmdb::HostEnvironment::Get().HostIniPath());
}

struct ReadCase {
    const char* name;
    std::string section;   // the lines after the header
    int found;
    WindowState expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class WindowStateReadTest : public WindowStateTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(WindowStateReadTest, ValuesAsTheSectionHasThem) {
    WriteFile(host / "tessra.ini", kDefaultHeader + "[WINDOW_STATES]\r\n" + GetParam().section);
    WindowState state{9, 9, 9, 9, 9, 9, 9, 9};
    ASSERT_EQ(ReadWindowState(state), GetParam().found);
    const WindowState& e = GetParam().expected;
    EXPECT_EQ(std::vector<int32_t>({state.ScreenResolution, state.DialogLeft, state.DialogTop, state.ActivePage,
                                    state.PreviewLeft, state.PreviewTop, state.PreviewWidth, state.PreviewHeight}),
              std::vector<int32_t>({e.ScreenResolution, e.DialogLeft, e.DialogTop, e.ActivePage, e.PreviewLeft,
                                    e.PreviewTop, e.PreviewWidth, e.PreviewHeight}));
}

const std::string k254Zeros(254, '0');

INSTANTIATE_TEST_SUITE_P(Sections, WindowStateReadTest, ::testing::Values(
    ReadCase{"Empty", "", 0, {9, 9, 9, 9, 9, 9, 9, 9}},
    ReadCase{"OnlyComments", "# nothing yet\r\n; nor here\r\n", 0, {9, 9, 9, 9, 9, 9, 9, 9}},
    ReadCase{"MissingKeysReadAsZero", "TessraDialogTop=33\r\n", 1, {0, 0, 33, 0, 0, 0, 0, 0}},
    ReadCase{"NotANumber", "ScreenResolution=abc\r\nTessraDialogLeft=12abc\r\n", 1, {0, 12, 0, 0, 0, 0, 0, 0}},
    ReadCase{"Signs", "TessraDialogLeft=-12\r\nTessraDialogTop=+7\r\nPreviewWindowLeft=- 5\r\nPreviewWindowTop=--3\r\n",
             1, {0, -12, 7, 0, 0, 0, 0, 0}},
    ReadCase{"OtherLetterCaseIsAnotherKey", "screenresolution=1280\r\nTESSRAACTIVEPAGE=2\r\nTessraActivePage=4\r\n",
             1, {0, 0, 0, 4, 0, 0, 0, 0}},
    ReadCase{"FirstOfTwoEqualKeysWins", "PreviewWindowWidth=300\r\nPreviewWindowWidth=500\r\n", 1, {0, 0, 0, 0, 0, 0, 300, 0}},
    ReadCase{"KeyMustMatchWhole", "PreviewWindow=1\r\nPreviewWindowHeightX=2\r\nPreviewWindowHeigh=3\r\n", 1,
             {0, 0, 0, 0, 0, 0, 0, 0}},
    ReadCase{"ValueCutToItsBuffer", "PreviewWindowLeft=" + k254Zeros + "7\r\nPreviewWindowTop=" + k254Zeros + "07\r\n",
             1, {0, 0, 0, 0, 7, 0, 0, 0}},
    ReadCase{"LargeValuesHoldAtTheLimits",
             "ScreenResolution=4294967297\r\nTessraDialogLeft=-99999999999999999999999\r\nTessraDialogTop=2147483647\r\n"
             "TessraActivePage=-2147483648\r\nPreviewWindowLeft=2147483648\r\n",
             1, {INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX, 0, 0, 0}}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

enum class Fault { NoModuleFile, StateFileIsAFolder, NoPreview, PreviewCaptionDiffers, SectionCannotBeWritten };

struct FaultCase {
    const char* name;
    Fault fault;
    std::vector<std::string> boxes;
    bool sheetLinesWritten;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class WindowStateFaultTest : public WindowStateTest, public ::testing::WithParamInterface<FaultCase> {
protected:
    void Arrange(Fault fault) {
        switch (fault) {
            case Fault::NoModuleFile: fs::remove(plugin / "tessra.dll"); OpenPreview(); break;
            case Fault::StateFileIsAFolder: fs::create_directory(plugin / "tessra.ini"); OpenPreview(); break;
            case Fault::NoPreview: break;
            case Fault::PreviewCaptionDiffers: Window("Array Preview: QFP4", 400, 300, 320, 240); break;
            case Fault::SectionCannotBeWritten:
                // Larger than any settings file: it is not read, so it is not written over either.
                WriteFile(plugin / "tessra.ini", kDefaultHeader);
                fs::resize_file(plugin / "tessra.ini", kWholeFileLimit + 1);
                OpenPreview();
                break;
        }
    }
};

TEST_P(WindowStateFaultTest, TellsTheUserAndWritesWhatItCan) {
    Arrange(GetParam().fault);
    SaveWindowState(sheet, 3);
    EXPECT_EQ(Boxes(), GetParam().boxes);
    const fs::path file = plugin / "tessra.ini";
    const std::string text = fs::is_regular_file(file) ? ReadFile(file) : "";
    EXPECT_EQ(text.find(kSheetLines) != std::string::npos, GetParam().sheetLinesWritten) << text;
    EXPECT_EQ(text.find("PreviewWindow"), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Faults, WindowStateFaultTest, ::testing::Values(
    FaultCase{"NoModuleFile", Fault::NoModuleFile,
              {"Error: Unable to find tessra.dll file", "Warning: Unable to save Preview Window states to tessra file"},
              false},
    FaultCase{"StateFileIsAFolder", Fault::StateFileIsAFolder,
              {"Error: Unable to create default tessra.ini file",
               "Warning: Unable to save Preview Window states to tessra file"},
              false},
    FaultCase{"NoPreview", Fault::NoPreview, {"Warning: Unable to save Preview Window states to tessra.ini file"}, true},
    FaultCase{"PreviewCaptionDiffers", Fault::PreviewCaptionDiffers,
              {"Warning: Unable to save Preview Window states to tessra.ini file"}, true},
    FaultCase{"SectionCannotBeWritten", Fault::SectionCannotBeWritten,
              {"Warning: Unable to update section in tessra.ini file"}, false}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

}  // namespace
