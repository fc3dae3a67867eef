// Fuzzes the INI model: any bytes parse, and what is written back parses to the same entries.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/win/profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ProfileFile file = ProfileFile::Parse(text);
    const auto names = file.SectionNames();
    const ProfileFile again = ProfileFile::Parse(file.Serialize());
    for (const auto& name : names) {
        if (file.Entries(name) != again.Entries(name)) std::abort();
    }
    if (!names.empty()) {
        file.SetValue(names.front(), "Key", "Value");
        if (file.Value(names.front(), "key") != "Value") std::abort();
        file.ReplaceSection(names.back(), {"a=1"});
        file.DeleteSection(names.front());
    }
    return 0;
}
