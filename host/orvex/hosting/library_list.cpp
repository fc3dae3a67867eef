// Reading and writing the library list; see library_list.h.
#include "host/orvex/hosting/library_list.h"

#include "host/zelmdb/host_environment.h"
#include "platform/win/profile.h"
#include "platform/win/profile_file.h"
#include "platform/win/whole_file.h"

Result<LibraryList::Lines> LibraryList::Read() const {
    if (!lock_.held())
        return Failure{"cannot write " + ini_ + ": its folder could not be locked (another program may hold it)"};
    // The buffer grows until the section fits, so that no line is cut off and lost on writing back.
    std::string buffer(size_t(1) << 16, '\0');
    DWORD n = 0;
    for (;;) {
        n = GetPrivateProfileSectionA(zelmdb::LibrarySection, buffer.data(), DWORD(buffer.size()), ini_.c_str());
        if (n + 2 < buffer.size() || buffer.size() >= kWholeFileLimit) break;
        buffer.resize(buffer.size() * 2);
    }
    std::string text = "[S]\n";
    for (char c : buffer.substr(0, n)) text += c == '\0' ? '\n' : c;
    return ProfileFile::Parse(text).Entries("S");
}

Status LibraryList::Write(const Lines& lines) const {
    const std::string block = ProfileSectionLines(lines);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini_.c_str());
    if (WritePrivateProfileSectionA(zelmdb::LibrarySection, block.c_str(), ini_.c_str()) == FALSE)
        return Failure{"cannot write " + ini_};
    return {};
}
