// An INI ("private profile") file held as its lines, so that rewriting one section or key keeps
// every other line of the file, comments included, exactly as it was.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class ProfileFile {
public:
    using Entry = std::pair<std::string, std::string>;

    static ProfileFile Parse(std::string_view text);
    // Lines end in CR LF, as the platform writes them.
    std::string Serialize() const;

    // Section and key names compare without regard to case.
    std::vector<std::string> SectionNames() const;
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Every non-comment line of the section, in file order; a line without "=" has an empty value.
    std::vector<Entry> Entries(std::string_view section) const;
    // The section's lines as they stand (trimmed), comments left out.
    std::vector<std::string> Lines(std::string_view section) const;

    void ReplaceSection(std::string_view section, const std::vector<std::string>& lines);
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view key);
    void DeleteSection(std::string_view section);

private:
    struct Section {
        std::string name;
        std::string header;               // the header line as read, kept for rewriting
        std::vector<std::string> lines;   // raw lines after the header, comments included
    };

    Section* Find(std::string_view section);
    const Section* Find(std::string_view section) const;
    Section& FindOrAdd(std::string_view section);

    std::vector<std::string> preamble_;   // lines before the first section header
    std::vector<Section> sections_;
};
