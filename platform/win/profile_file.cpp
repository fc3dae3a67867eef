// Parsing and rewriting of INI text; see profile_file.h.
#include "platform/win/profile_file.h"

#include <cctype>

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool IsComment(std::string_view trimmed) {
    return trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#';
}

// Splits "key = value" into its trimmed parts.
std::pair<std::string, std::string> SplitEntry(std::string_view trimmed) {
    const size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos) return {std::string(trimmed), std::string()};
    return {std::string(Trim(trimmed.substr(0, eq))), std::string(Trim(trimmed.substr(eq + 1)))};
}

// The name of a section header line, or nothing when the line is not a header.
std::optional<std::string> HeaderName(std::string_view trimmed) {
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    const size_t close = trimmed.find(']');
    std::string_view inner = trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos
                                                                                : close - 1);
    return std::string(Trim(inner));
}

}  // namespace

ProfileFile ProfileFile::Parse(std::string_view text) {
    ProfileFile file;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = end + 1;
        if (auto name = HeaderName(Trim(line))) {
            file.sections_.push_back({*name, std::string(line), {}});
        } else if (file.sections_.empty()) {
            file.preamble_.emplace_back(line);
        } else {
            file.sections_.back().lines.emplace_back(line);
        }
    }
    return file;
}

std::string ProfileFile::Serialize() const {
    std::string out;
    for (const auto& line : preamble_) out += line + "\r\n";
    for (const auto& section : sections_) {
        out += section.header + "\r\n";
        for (const auto& line : section.lines) out += line + "\r\n";
    }
    return out;
}

std::vector<std::string> ProfileFile::SectionNames() const {
    std::vector<std::string> names;
    for (const auto& section : sections_) names.push_back(section.name);
    return names;
}

std::optional<std::string> ProfileFile::Value(std::string_view section, std::string_view key) const {
    for (const auto& [k, v] : Entries(section)) {
        if (SameName(k, key)) return v;
    }
    return std::nullopt;
}

std::vector<ProfileFile::Entry> ProfileFile::Entries(std::string_view section) const {
    std::vector<Entry> entries;
    for (const auto& line : Lines(section)) entries.push_back(SplitEntry(line));
    return entries;
}

std::vector<std::string> ProfileFile::Lines(std::string_view section) const {
    std::vector<std::string> lines;
    const Section* found = Find(section);
    if (found == nullptr) return lines;
    for (const auto& raw : found->lines) {
        std::string_view trimmed = Trim(raw);
        if (!IsComment(trimmed)) lines.emplace_back(trimmed);
    }
    return lines;
}

void ProfileFile::ReplaceSection(std::string_view section, const std::vector<std::string>& lines) {
    Section& target = FindOrAdd(section);
    // Comments inside the old section belong to its old contents and go with them.
    target.lines = lines;
}

void ProfileFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    Section& target = FindOrAdd(section);
    const std::string line = std::string(key) + "=" + std::string(value);
    for (auto& raw : target.lines) {
        std::string_view trimmed = Trim(raw);
        if (!IsComment(trimmed) && SameName(SplitEntry(trimmed).first, key)) {
            raw = line;
            return;
        }
    }
    // A new key goes after the section's last entry, not after trailing blank lines.
    size_t at = target.lines.size();
    while (at > 0 && Trim(target.lines[at - 1]).empty()) --at;
    target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(at), line);
}

void ProfileFile::DeleteKey(std::string_view section, std::string_view key) {
    Section* target = Find(section);
    if (target == nullptr) return;
    std::erase_if(target->lines, [&](const std::string& raw) {
        std::string_view trimmed = Trim(raw);
        return !IsComment(trimmed) && SameName(SplitEntry(trimmed).first, key);
    });
}

void ProfileFile::DeleteSection(std::string_view section) {
    std::erase_if(sections_, [&](const Section& s) { return SameName(s.name, section); });
}

ProfileFile::Section* ProfileFile::Find(std::string_view section) {
    for (auto& s : sections_) {
        if (SameName(s.name, section)) return &s;
    }
    return nullptr;
}

const ProfileFile::Section* ProfileFile::Find(std::string_view section) const {
    for (const auto& s : sections_) {
        if (SameName(s.name, section)) return &s;
    }
    return nullptr;
}

ProfileFile::Section& ProfileFile::FindOrAdd(std::string_view section) {
    if (Section* found = Find(section)) return *found;
    // Appended rather than "[" + name: GCC 12 sees an overlap in the latter that is not there.
    std::string header(1, '[');
    header.append(section).push_back(']');
    sections_.push_back({std::string(section), std::move(header), {}});
    return sections_.back();
}
