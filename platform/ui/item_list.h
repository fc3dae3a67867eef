// The strings and the selection of a list box, shared by combo boxes through their list.
#pragma once
#include <string>
#include <vector>

class ItemList {
public:
    int Add(const std::string& text, bool sorted);          // the new index
    int Insert(int index, const std::string& text);         // -1 appends; -1 when out of range
    int Delete(int index);                                  // the count left, or -1
    void Reset();
    int Count() const { return int(items_.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    const std::string& Text(int index) const { return items_[size_t(index)]; }
    // Searches after `start` (-1: from the top), wrapping once round the list, ignoring case;
    // a prefix matches unless `exact`. -1 when nothing matches.
    int Find(int start, const std::string& text, bool exact) const;

    int selection = -1;

private:
    std::vector<std::string> items_;
};
