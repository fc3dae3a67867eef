// Option parsing for the orvex commands; see arg_list.h.
#include "host/orvex/text/arg_list.h"

Result<ArgList> ArgList::Parse(const std::vector<std::string>& words,
                                       const std::set<std::string>& valueOptions,
                                       const std::set<std::string>& flags,
                                       const std::map<std::string, size_t>& groups) {
    using R = Result<ArgList>;
    ArgList args;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        // A lone "-" is a value (standard input), and so is a negative number.
        const bool isOption = w.size() > 2 && w.compare(0, 2, "--") == 0;
        if (!isOption) {
            args.positional_.push_back(w);
            continue;
        }
        if (flags.count(w) != 0) {
            args.flags_.insert(w);
        } else if (valueOptions.count(w) != 0) {
            if (i + 1 >= words.size()) return R::Fail("option " + w + " needs a value");
            if (args.values_.count(w) != 0) return R::Fail("option " + w + " is given twice");
            args.values_[w] = words[++i];
        } else if (auto group = groups.find(w); group != groups.end()) {
            if (words.size() - i - 1 < group->second)
                return R::Fail("option " + w + " needs " +
                               (group->second == 1 ? std::string("a value") : std::to_string(group->second) + " words"));
            args.groups_.emplace(w, std::vector<std::string>(words.begin() + long(i) + 1,
                                                             words.begin() + long(i + 1 + group->second)));
            i += group->second;
        } else {
            return R::Fail("unknown option " + w);
        }
    }
    return args;
}

std::optional<std::string> ArgList::Value(const std::string& option) const {
    auto it = values_.find(option);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

bool ArgList::Has(const std::string& option) const { return flags_.count(option) != 0; }

std::vector<std::vector<std::string>> ArgList::Groups(const std::string& option) const {
    std::vector<std::vector<std::string>> out;
    for (auto [it, end] = groups_.equal_range(option); it != end; ++it) out.push_back(it->second);
    return out;
}
