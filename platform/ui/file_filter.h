// The "Files of type" choices of a file dialog: descriptions and their glob patterns, read
// from a filter string such as "Text (*.txt)|*.txt|All (*.*)|*.*||".
#pragma once
#include <string>
#include <vector>

class FileFilter {
public:
    struct Choice {
        std::string description;
        std::vector<std::string> patterns;   // "*.olb;*.OLB" gives two
    };

    // An empty or unusable filter string gives one choice that shows every file.
    static std::vector<Choice> Parse(const std::string& filter);
    // Case-sensitive glob with '*' and '?'; "*.*" matches names without a dot too.
    static bool Matches(const std::string& pattern, const std::string& name);
    static bool MatchesAny(const Choice& choice, const std::string& name);
};
