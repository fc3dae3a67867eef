// The pad list keeps removed pads for the next ones to take over: names of every length must
// come out whole, and nothing of what was removed may show.
#include "array/pad_site_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "array/short_copy.h"

namespace {

TEST(CopyShortTest, CopiesTheCountedCharactersAndNoMore) {
    const std::string from = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFG";
    for (size_t n = 0; n <= 40; ++n) {
        std::string to(48, '#');
        CopyShort(to.data() + 1, from.data(), n);
        std::string expected(48, '#');
        expected.replace(1, n, from, 0, n);
        EXPECT_EQ(to, expected) << n << " characters";
    }
}

std::vector<std::string> NamesOf(const PadSiteList& pads) {
    std::vector<std::string> names;
    for (const PadSite& site : pads.Sites()) names.push_back(site.Name);
    return names;
}

void AppendAll(PadSiteList& pads, const std::vector<std::string>& names) {
    for (size_t i = 0; i < names.size(); ++i) {
        pads.Append(int32_t(i), -int32_t(i) - 1, 5400, names[i].data(), names[i].size());
    }
}

TEST(PadSiteListTest, PadsTakenOverAfterRemoveAllCarryOnlyTheirOwnNames) {
    PadSiteList pads(2);
    const std::vector<std::vector<std::string>> rounds = {
        {"A LONG NAME ON THE HEAP", "7", "12345678", ""},
        {"X", "AN EVEN LONGER NAME, ALSO ON THE HEAP"},
        {},
        {"BB", "1234567890123456", "C", "D", "E"},
    };
    for (const auto& names : rounds) {
        pads.RemoveAll();
        AppendAll(pads, names);
        EXPECT_EQ(NamesOf(pads), names);
        ASSERT_EQ(pads.Count(), names.size());
        EXPECT_EQ(pads.Empty(), names.empty());
        for (size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(pads.Sites()[i].X, int32_t(i));
            EXPECT_EQ(pads.Sites()[i].Y, -int32_t(i) - 1);
            EXPECT_EQ(pads.Sites()[i].Rotation, 5400);
        }
    }
}

}  // namespace
