// "orvex library add|remove": the PADSTACK_LIB list of ORVEX.INI, written as the Select Padstack
// dialog writes it (flush, then the whole section at once), newest first. The list is read and
// written back under the settings folder's lock, so that two commands at once both get in.
#include <strings.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "host/orvex/text/arg_list.h"
#include "host/orvex/commands/command_table.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/host_environment.h"
#include "platform/win/folder_lock.h"
#include "platform/win/profile.h"
#include "platform/win/profile_file.h"
#include "platform/win/whole_file.h"

namespace {

using Lines = std::vector<ProfileFile::Entry>;

// The section, read while `lock` keeps other writers out until it is written back.
Result<Lines> ReadSection(const std::string& ini, const FolderLock& lock) {
    if (!lock.held()) {
        return Result<Lines>::Fail("cannot write " + ini +
                                           ": its folder could not be locked (another program may hold it)");
    }
    // The buffer grows until the section fits, so that no line is cut off and lost on writing back.
    std::string buffer(size_t(1) << 16, '\0');
    DWORD n = 0;
    for (;;) {
        n = GetPrivateProfileSectionA(zelmdb::LibrarySection, buffer.data(), DWORD(buffer.size()), ini.c_str());
        if (n + 2 < buffer.size() || buffer.size() >= kWholeFileLimit) break;
        buffer.resize(buffer.size() * 2);
    }
    const std::string block = buffer.substr(0, n);
    const ProfileFile parsed = ProfileFile::Parse("[S]\n" + [&] {
        std::string text;
        for (char c : block) text += c == '\0' ? '\n' : c;
        return text;
    }());
    return parsed.Entries("S");
}

bool WriteSection(const std::string& ini, const Lines& lines) {
    const std::string block = ProfileSectionLines(lines);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());
    return WritePrivateProfileSectionA(zelmdb::LibrarySection, block.c_str(), ini.c_str()) != FALSE;
}

// What an INI line cannot carry: a name that would read as a section, a comment or two parts,
// or a text that would end the line or lose its blanks on reading; "" when both are safe.
std::string IniRefusal(const std::string& key, const std::string& value) {
    if (!key.empty() && std::string_view("[;#").find(key.front()) != std::string_view::npos)
        return std::string("its name starts with '") + key.front() + "'";
    if (key.find('=') != std::string::npos) return "its name holds '='";
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    for (const std::string* text : {&key, &value}) {
        if (text->find_first_of("\r\n") != std::string::npos) return "it holds a line break";
        if (!text->empty() && (blank(text->front()) || blank(text->back())))
            return "it starts or ends with a blank";
    }
    return "";
}

bool SameText(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

Result<std::string> OneLibraryArgument(CommandContext& context, const char* usage) {
    auto args = ArgList::Parse(context.words, {}, {});
    if (!args.ok() || args.value().positional().size() != 1) {
        return Result<std::string>::Fail(std::string("usage: orvex ") + usage);
    }
    std::error_code ec;
    return std::filesystem::absolute(args.value().positional()[0], ec).lexically_normal().string();
}

}  // namespace

int RunLibraryAdd(CommandContext& context) {
    auto path = OneLibraryArgument(context, Commands()[4].usage);
    if (!path.ok()) return Refuse(path.error(), ExitUsage);
    // Only a real library goes into the list: the dialog would otherwise pass it over silently.
    auto library = zelmdb::DesignStore::Open(path.value(), zelmdb::DesignStore::Access::ReadOnly,
                                             zelmdb::DesignStore::Sharing::Shared,
                                             zelmdb::FileKind::Library);
    if (!library.ok()) return Refuse(library.error());
    const std::string ini = context.host.iniPath();
    const std::string key = std::filesystem::path(path.value()).stem().string();
    if (const std::string why = IniRefusal(key, path.value()); !why.empty())
        return Refuse(ini + " cannot list " + path.value() + ": " + why);
    const FolderLock lock(ini);
    auto old = ReadSection(ini, lock);
    if (!old.ok()) return Refuse(old.error());
    Lines lines{{key, path.value()}};
    for (const auto& line : old.value()) {
        if (!(SameText(line.first, key) && SameText(line.second, path.value()))) lines.push_back(line);
    }
    if (!WriteSection(ini, lines)) return Refuse("cannot write " + ini);
    return ExitOk;
}

int RunLibraryRemove(CommandContext& context) {
    auto path = OneLibraryArgument(context, Commands()[5].usage);
    if (!path.ok()) return Refuse(path.error(), ExitUsage);
    const std::string ini = context.host.iniPath();
    const FolderLock lock(ini);
    auto old = ReadSection(ini, lock);
    if (!old.ok()) return Refuse(old.error());
    Lines kept;
    for (const auto& line : old.value()) {
        std::error_code ec;
        const std::string value = std::filesystem::absolute(line.second, ec).lexically_normal().string();
        if (!SameText(value, path.value())) kept.push_back(line);
    }
    if (kept.size() == old.value().size()) return Refuse(path.value() + " is not in the padstack library list of " + ini);
    if (!WriteSection(ini, kept)) return Refuse("cannot write " + ini);
    return ExitOk;
}
