// Reading filter strings and matching file names against their patterns.
#include "platform/ui/file_filter.h"

#include <sstream>

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool Glob(const char* p, const char* n) {
    // Iterative match with one backtrack point: the last '*' seen.
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*n) {
        if (*p == '*') { star = p++; resume = n; continue; }
        if (*p == '?' || *p == *n) { ++p; ++n; continue; }
        if (!star) return false;
        p = star + 1;
        n = ++resume;
    }
    while (*p == '*') ++p;
    return *p == 0;
}

}  // namespace

std::vector<FileFilter::Choice> FileFilter::Parse(const std::string& filter) {
    std::vector<Choice> choices;
    const std::vector<std::string> parts = Split(filter, '|');
    for (size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2) {
        Choice choice{parts[i], {}};
        for (const std::string& p : Split(parts[i + 1], ';'))
            if (!Trim(p).empty()) choice.patterns.push_back(Trim(p));
        if (!choice.patterns.empty()) choices.push_back(choice);
    }
    if (choices.empty()) choices.push_back({"All Files (*.*)", {"*.*"}});
    return choices;
}

bool FileFilter::Matches(const std::string& pattern, const std::string& name) {
    if (pattern == "*.*") return true;
    return Glob(pattern.c_str(), name.c_str());
}

bool FileFilter::MatchesAny(const Choice& choice, const std::string& name) {
    for (const std::string& p : choice.patterns)
        if (Matches(p, name)) return true;
    return false;
}
