// List contents: insertion (sorted or not), deletion keeping the selection on its item, search.
#include "platform/ui/item_list.h"

#include <algorithm>
#include <cctype>

namespace {

int CompareNoCase(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        const int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool Matches(const std::string& item, const std::string& text, bool exact) {
    if (exact) return CompareNoCase(item, text) == 0;
    return item.size() >= text.size() && CompareNoCase(item.substr(0, text.size()), text) == 0;
}

}  // namespace

int ItemList::Add(const std::string& text, bool sorted) {
    if (!sorted) return Insert(-1, text);
    auto at = std::upper_bound(items_.begin(), items_.end(), text,
                               [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    return Insert(int(at - items_.begin()), text);
}

int ItemList::Insert(int index, const std::string& text) {
    if (index < 0) index = Count();
    if (index > Count()) return -1;
    items_.insert(items_.begin() + index, text);
    if (selection >= index) ++selection;
    return index;
}

int ItemList::Delete(int index) {
    if (!Valid(index)) return -1;
    items_.erase(items_.begin() + index);
    if (selection == index) selection = -1;
    else if (selection > index) --selection;
    return Count();
}

void ItemList::Reset() {
    items_.clear();
    selection = -1;
}

int ItemList::Find(int start, const std::string& text, bool exact) const {
    const int n = Count();
    if (n == 0) return -1;
    if (start < -1 || start >= n) start = -1;
    for (int step = 1; step <= n; ++step) {
        const int i = (start + step) % n;
        if (Matches(items_[size_t(i)], text, exact)) return i;
    }
    return -1;
}
