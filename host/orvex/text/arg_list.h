// The words of one command: positional arguments and "--name value" or "--flag" options.
#pragma once
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/base/result.h"

class ArgList {
public:
    // Options not named in valueOptions, flags or groups are refused, as is an option whose
    // words are missing at the end. A group option takes its count of words and may be given
    // again ("--pad NAME X Y PADSTACK" once per pad); a value option only once.
    static Result<ArgList> Parse(const std::vector<std::string>& words,
                                         const std::set<std::string>& valueOptions,
                                         const std::set<std::string>& flags,
                                         const std::map<std::string, size_t>& groups = {});

    const std::vector<std::string>& positional() const { return positional_; }
    std::optional<std::string> Value(const std::string& option) const;
    bool Has(const std::string& option) const;
    // Each giving of a group option, in the order given.
    std::vector<std::vector<std::string>> Groups(const std::string& option) const;

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::multimap<std::string, std::vector<std::string>> groups_;
};
