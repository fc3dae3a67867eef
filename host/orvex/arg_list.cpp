// Option parsing for the orvex commands; see arg_list.h.
#include "host/orvex/arg_list.h"

zelmdb::Result<ArgList> ArgList::Parse(const std::vector<std::string>& words,
                                       const std::set<std::string>& valueOptions,
                                       const std::set<std::string>& flags) {
    using R = zelmdb::Result<ArgList>;
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
