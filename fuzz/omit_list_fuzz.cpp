// Fuzzes the names and ranges generate leaves out: the first line is the list as given, every
// further line a pad name. Whatever the bytes, each item either takes pads or is told, and
// a pad is left out only when an item names it or a range holds it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/orvex/extras/omit_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') lines.emplace_back();
        else lines.back() += char(data[i]);
    }
    std::vector<std::string> items;
    for (size_t at = 0, comma = 0; comma != std::string::npos; at = comma + 1) {
        comma = lines[0].find(',', at);
        items.push_back(lines[0].substr(at, comma == std::string::npos ? std::string::npos : comma - at));
    }
    const std::vector<std::string> names(lines.begin() + 1, lines.end());
    const OmitSelection s = SelectOmitted(items, names);
    if (s.omitted.size() != names.size() || s.unmatched.size() > items.size()) __builtin_trap();
    // An item that is itself a pad's name always takes that pad.
    for (size_t i = 0; i < names.size(); ++i)
        for (const std::string& item : items)
            if (item == names[i] && !s.omitted[i]) __builtin_trap();
    return 0;
}
