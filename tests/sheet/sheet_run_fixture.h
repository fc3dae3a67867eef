// A dialog run as the host sets it up: a host folder of its own, a fresh design as the active
// database, the standard controls on a 1024 x 768 screen, and a script that plays the person.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win/win_types.h"

class SheetRunFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Replaces the design with a new one in this display unit.
    void AttachDesign(int unitCode);

    // A top-layer round padstack of this diameter (database units) in the design.
    void PutRoundPadstack(const std::string& name, int32_t diameter);

    // Runs `call` (which shows the dialog) under a driver replaying `script`. A script line
    // from ProbeLine() runs `probe` while the dialog is up (the script's "shot preview" is
    // taken over for it).
    intptr_t Drive(const std::string& script, const std::function<intptr_t()>& call);
    std::string ProbeLine();

    std::filesystem::path Path(const std::string& name) const { return dir / name; }
    std::string HostFolder() const { return (dir / "host").string(); }

    std::filesystem::path dir;
    std::function<void()> probe;
    // Further windows a script may take pictures of, for tests linked with them.
    std::map<std::string, std::function<HWND()>> windows;
    std::string error;                  // the driver's, empty when the script ran through
    std::vector<std::string> notes;
    int probes = 0;
};

// Puts the built module into `folder` (as a link), so that the sheet finds "tessra.dll" there and
// keeps its window-state file beside it.
void PlaceModuleFile(const std::filesystem::path& folder);

// The sheet and its preview as a test finds them: the outermost modal window, and the
// top-level window with the preview's caption.
HWND SheetWindow();
HWND TopLevelWithCaption(const std::string& caption);
std::string WindowCaption(HWND window);
RECT WindowRect(HWND window);
