// Fuzzes reading the window-state file: any text as "tessra.ini" reads without a fault, frees
// every text it took from the host, and converts values as the C library's decimal reader does
// (held at the 32-bit limits);
// the same bytes as a raw section buffer are looked up without reading past it.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/zelmdb/host_environment.h"
#include "host/zelmdb/profile_handles.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "platform/framework/module_state.h"
#include "platform/win/profile_file.h"
#include "res/string_table.h"
#include "sheet/profile_section_view.h"
#include "sheet/window_state.h"

namespace {

const char* const kKeys[] = {"ScreenResolution", "TessraDialogLeft", "TessraDialogTop", "TessraActivePage",
                             "PreviewWindowLeft", "PreviewWindowTop", "PreviewWindowWidth", "PreviewWindowHeight"};

// A host folder of our own and the plug-in's texts, made once for the whole run. The name is a
// plain array so that it is still there when the folder is removed at exit.
char folderName[] = "/tmp/tessra-state-fuzz-XXXXXX";
void RemoveHostFolder() { std::filesystem::remove_all(folderName); }

std::string HostFolder() {
    static const bool ready = [] {
        static AFX_MODULE_STATE module{"tessra.dll", "", {}, nullptr};
        AddStringTable(module.resources);
        AfxSetModuleState(&module);
        if (mkdtemp(folderName) == nullptr) std::abort();
        zelmdb::HostEnvironment::Get().SetHostFolder(folderName);
        zelmdb::HostEnvironment::Get().SetPluginFolder("");
        std::atexit(RemoveHostFolder);
        return true;
    }();
    return ready ? folderName : "";
}

void ReadAsStateFile(const std::string& text) {
    std::ofstream(HostFolder() + "/tessra.ini", std::ios::binary | std::ios::trunc) << text;
    const size_t handles = zelmdb::ProfileHandles::Get().size();
    const WindowState untouched{-1, -1, -1, -1, -1, -1, -1, -1};
    WindowState state = untouched;
    const int found = ReadWindowState(state);
    const bool hasEntries = !ProfileFile::Parse(text).Entries("WINDOW_STATES").empty();
    if (found != (hasEntries ? 1 : 0)) std::abort();
    if (found == 0 && std::memcmp(&state, &untouched, sizeof state) != 0) std::abort();
    if (zelmdb::ProfileHandles::Get().size() != handles) std::abort();
}

void ConvertAsValue(const std::string& text) {
    const std::string value = text.substr(0, text.find('\0'));
    // strtoll saturates at 64 bits and stops at the same characters, so clamping it to 32 bits
    // gives what the reader must.
    const long long reference = std::strtoll(value.c_str(), nullptr, 10);
    if (ProfileValueToInt(value.c_str()) != std::clamp<long long>(reference, INT32_MIN, INT32_MAX)) std::abort();
}

void LookUpInRawSection(const uint8_t* data, size_t size) {
    uint8_t* buffer = MemAllocUnion();
    const size_t copied = std::min(size, zelmdb::UnionSize);
    std::memcpy(buffer, data, copied);
    // A kept buffer holds the last input's bytes: clear what a section can reach, so a run repeats.
    const size_t reach = std::min(zelmdb::UnionSize, zelmdb::ProfileSectionLayout::Entry(INT16_MAX + 1));
    if (reach > copied) std::memset(buffer + copied, 0, reach - copied);
    const ProfileSectionView section(buffer);
    for (const char* key : kKeys) {
        if (section.Value(key).size() >= kProfileValueBuffer) std::abort();
    }
    MemFreeUnion(buffer);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ReadAsStateFile(text);
    ConvertAsValue(text);
    LookUpInRawSection(data, size);
    return 0;
}
