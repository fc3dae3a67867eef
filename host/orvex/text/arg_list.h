// The words of one command: positional arguments and "--name value" or "--flag" options.
#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/base/result.h"

// What a command takes: its options and how many words besides them.
struct ArgRules {
    std::set<std::string> values;             // "--name value", once
    std::set<std::string> flags;              // "--name"
    std::map<std::string, size_t> groups;     // "--name" and its count of words, again for more
    size_t fewest = 0, most = SIZE_MAX;       // positional words
    std::set<std::string> paths = {};         // value options that name a file
    size_t pathWords = 1;                     // leading positional words that name a file
    // "--name" and the word that closes it: every word between is the block's, again for more.
    std::map<std::string, std::string> blocks = {};
};

class ArgList {
public:
    // Options the rules do not name are refused, as is an option whose words are missing at the
    // end, a value option given twice and a count of positional words outside the rules allow.
    static Result<ArgList> Parse(const std::vector<std::string>& words, const ArgRules& rules);
    // Every word but the files' paths, which keep their bytes, as a design's 8-bit text; refused,
    // naming the option, the character and its place, for one that cannot be.
    Status ToHostTexts(const ArgRules& rules);

    const std::vector<std::string>& positional() const { return positional_; }
    std::optional<std::string> Value(const std::string& option) const;
    bool Has(const std::string& option) const;
    // Each giving of a group or block option, in the order given.
    std::vector<std::vector<std::string>> Groups(const std::string& option) const;
    // How many options were given, each giving of a group counted.
    size_t OptionCount() const { return values_.size() + flags_.size() + groups_.size(); }

private:
    Status Take(const std::vector<std::string>& words, size_t& at, const ArgRules& rules);
    Status TakeBlock(const std::vector<std::string>& words, size_t& at, const std::string& closer);

    std::vector<std::string> positional_;
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::multimap<std::string, std::vector<std::string>> groups_;
};
