// The words of one command: positional arguments and "--name value" or "--flag" options.
#pragma once
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/zelmdb/result.h"

class ArgList {
public:
    // Options not named in valueOptions or flags are refused, as is a value option at the end.
    static zelmdb::Result<ArgList> Parse(const std::vector<std::string>& words,
                                         const std::set<std::string>& valueOptions,
                                         const std::set<std::string>& flags);

    const std::vector<std::string>& positional() const { return positional_; }
    std::optional<std::string> Value(const std::string& option) const;
    bool Has(const std::string& option) const;

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
};
