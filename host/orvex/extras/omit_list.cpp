// Matching omitted names and ranges against a footprint's pads; see omit_list.h.
#include "host/orvex/extras/omit_list.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <tuple>
#include <unordered_map>

namespace {

// A name cut into its letters and the number after them; a name of letters alone (an
// alphabetic axis) has the number -1, which no digits give.
struct Split {
    std::string letters;
    long long number = -1;
};

std::optional<Split> SplitName(const std::string& name) {
    size_t digits = 0;
    while (digits < name.size() && std::isalpha(static_cast<unsigned char>(name[digits]))) ++digits;
    const std::string tail = name.substr(digits);
    if (tail.empty()) return digits == 0 ? std::nullopt : std::optional<Split>(Split{name});
    // Eighteen digits keep the number inside a long long.
    const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    if (tail.size() > 18 || !std::all_of(tail.begin(), tail.end(), digit)) return std::nullopt;
    return Split{name.substr(0, digits), std::stoll(tail)};
}

// Letters in the order of bijective numbering: A ... Z, AA ... ZZ, AAA ...
bool LettersBefore(const std::string& a, const std::string& b) {
    return std::make_tuple(a.size(), a) < std::make_tuple(b.size(), b);
}

struct Range {
    Split low, high;
    bool Holds(const Split& s) const {
        return !LettersBefore(s.letters, low.letters) && !LettersBefore(high.letters, s.letters) &&
               s.number >= low.number && s.number <= high.number;
    }
};

// "FROM-TO" whose ends are pads of the footprint; none when the item is no such range.
std::optional<Range> RangeOf(const std::string& item, const std::unordered_map<std::string, size_t>& pads) {
    const size_t dash = item.find('-');
    if (dash == std::string::npos || dash == 0) return std::nullopt;
    const std::string from = item.substr(0, dash), to = item.substr(dash + 1);
    const auto a = SplitName(from), b = SplitName(to);
    if (!a || !b || pads.count(from) == 0 || pads.count(to) == 0) return std::nullopt;
    if ((a->number < 0) != (b->number < 0)) return std::nullopt;   // "A-C3" means nothing
    Range r{*a, *b};
    if (LettersBefore(r.high.letters, r.low.letters)) std::swap(r.low.letters, r.high.letters);
    if (r.high.number < r.low.number) std::swap(r.low.number, r.high.number);
    return r;
}

}  // namespace

std::vector<std::string> ListItems(const std::string& text) {
    std::vector<std::string> items;
    for (size_t at = 0, comma = 0; comma != std::string::npos; at = comma + 1) {
        comma = text.find(',', at);
        const std::string item = text.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
        const size_t first = item.find_first_not_of(' ');
        items.push_back(first == std::string::npos ? "" : item.substr(first, item.find_last_not_of(' ') - first + 1));
    }
    return items;
}

OmitSelection SelectOmitted(const std::vector<std::string>& items, const std::vector<std::string>& padNames) {
    OmitSelection s;
    s.omitted.assign(padNames.size(), false);
    std::unordered_map<std::string, size_t> count;
    for (const std::string& name : padNames) ++count[name];
    std::vector<std::optional<Split>> splits;   // cut at the first range
    for (const std::string& item : items) {
        bool took = false;
        if (count.count(item) != 0) {
            for (size_t i = 0; i < padNames.size(); ++i)
                if (padNames[i] == item) s.omitted[i] = took = true;
        } else if (const auto range = RangeOf(item, count)) {
            if (splits.empty())
                for (const std::string& name : padNames) splits.push_back(SplitName(name));
            for (size_t i = 0; i < padNames.size(); ++i)
                if (splits[i] && range->Holds(*splits[i])) s.omitted[i] = took = true;
        }
        if (!took) s.unmatched.push_back(item);
    }
    return s;
}
