// Which pads a list of names and ranges leaves out. A name is a pad's name exactly; a range
// "FROM-TO" of names made of letters then a number ("5-8", "A1-A4", "E5-H8") takes every pad
// whose letters lie between FROM's and TO's (shorter before longer, then alphabetically) and
// whose number lies between theirs, so it is a run of numbers or a block of a grid; of names of
// letters alone ("B-F") it takes a run of letters. A range's ends must be pads of the footprint.
#pragma once
#include <string>
#include <vector>

struct OmitSelection {
    std::vector<bool> omitted;           // per pad, in pin order
    std::vector<std::string> unmatched;  // items that took no pad
};

// "A1,B2, 5-8" as its items, blanks at their ends cut; an empty item stays, for the caller to refuse.
std::vector<std::string> ListItems(const std::string& text);

OmitSelection SelectOmitted(const std::vector<std::string>& items, const std::vector<std::string>& padNames);
