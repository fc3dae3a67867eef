// Option parsing for the orvex commands; see arg_list.h.
#include "host/orvex/text/arg_list.h"

#include "host/orvex/text/latin1.h"

namespace {

std::string Words(size_t n) { return n == 1 ? "1 word" : std::to_string(n) + " words"; }

// "2 words", "1 or 2 words", "at least 1 word".
std::string Expected(const ArgRules& rules) {
    if (rules.fewest == rules.most) return Words(rules.most);
    if (rules.most == SIZE_MAX) return "at least " + Words(rules.fewest);
    return std::to_string(rules.fewest) + (rules.most == rules.fewest + 1 ? " or " : " to ") + Words(rules.most);
}

// A word the terminal typed in UTF-8 as the design's 8-bit text; `option` names it in a refusal.
Status ToLatin1(std::string& word, const std::string& option) {
    auto bytes = Latin1FromUtf8(word);
    if (!bytes.ok()) return Failure{(option.empty() ? "" : "option " + option + ": ") + bytes.error()};
    word = std::move(bytes.value());
    return {};
}

}  // namespace

Result<ArgList> ArgList::Parse(const std::vector<std::string>& words, const ArgRules& rules) {
    ArgList args;
    for (size_t at = 0; at < words.size(); ++at) TRY(args.Take(words, at, rules));
    const size_t n = args.positional_.size();
    if (n < rules.fewest || n > rules.most)
        return Failure{Expected(rules) + " besides the options, not " + std::to_string(n)};
    return args;
}

// The word at `at`, with the words an option takes after it; `at` ends on the last word taken.
Status ArgList::Take(const std::vector<std::string>& words, size_t& at, const ArgRules& rules) {
    const std::string& w = words[at];
    // A lone "-" is a value (standard input), and so is a negative number.
    if (w.size() <= 2 || w.compare(0, 2, "--") != 0) {
        positional_.push_back(w);
        return {};
    }
    if (rules.flags.count(w) != 0) {
        flags_.insert(w);
        return {};
    }
    if (rules.values.count(w) != 0) {
        if (at + 1 >= words.size()) return Failure{"option " + w + " needs a value"};
        if (values_.count(w) != 0) return Failure{"option " + w + " is given twice"};
        values_[w] = words[++at];
        return {};
    }
    if (const auto block = rules.blocks.find(w); block != rules.blocks.end())
        return TakeBlock(words, at, block->second);
    const auto group = rules.groups.find(w);
    if (group == rules.groups.end()) return Failure{"unknown option " + w};
    const size_t n = group->second;
    if (words.size() - at - 1 < n) return Failure{"option " + w + " needs " + (n == 1 ? "a value" : Words(n))};
    groups_.emplace(w, std::vector<std::string>(words.begin() + long(at) + 1, words.begin() + long(at + 1 + n)));
    at += n;
    return {};
}

// The words after the opener at `at` up to `closer`; a block holds no second block of its kind.
Status ArgList::TakeBlock(const std::vector<std::string>& words, size_t& at, const std::string& closer) {
    const std::string& opener = words[at];
    for (size_t end = at + 1; end < words.size(); ++end) {
        if (words[end] == opener)
            return Failure{"option " + opener + " holds no other " + opener + "; close the first with " + closer};
        if (words[end] != closer) continue;
        groups_.emplace(opener, std::vector<std::string>(words.begin() + long(at) + 1, words.begin() + long(end)));
        at = end;
        return {};
    }
    return Failure{"option " + opener + " ends with " + closer + ", which is missing"};
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

Status ArgList::ToHostTexts(const ArgRules& rules) {
    for (size_t i = rules.pathWords; i < positional_.size(); ++i) TRY(ToLatin1(positional_[i], ""));
    for (auto& [option, value] : values_)
        if (rules.paths.count(option) == 0) TRY(ToLatin1(value, option));
    for (auto& [option, words] : groups_)
        for (std::string& word : words) TRY(ToLatin1(word, option));
    return {};
}
