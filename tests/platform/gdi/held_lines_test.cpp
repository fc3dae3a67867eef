// The set behind skipped lines: a line once held is found until the set is cleared, whatever
// growth, collisions or clears came before.
#include "platform/gdi/held_lines.h"

#include <gtest/gtest.h>

namespace {

HeldLine LineNumber(int i) { return {{i % 97, i / 97}, {i % 89 + 1, 5}, {0, 0, 640, 480}, 0xFFFFFF}; }

TEST(HeldLinesTest, FoundUntilClearedThroughGrowthAndManyClears) {
    HeldLines held;
    EXPECT_FALSE(held.Contains(LineNumber(0)));
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 5000; ++i) held.Insert(LineNumber(i));
        for (int i = 0; i < 5000; ++i) ASSERT_TRUE(held.Contains(LineNumber(i))) << i;
        EXPECT_FALSE(held.Contains(LineNumber(5000)));
        HeldLine other = LineNumber(7);
        other.clip.right = 639;   // the same ends clipped otherwise are another line
        EXPECT_FALSE(held.Contains(other));
        held.Clear();
        for (int i = 0; i < 5000; i += 499) ASSERT_FALSE(held.Contains(LineNumber(i))) << i;
    }
}

TEST(HeldLinesTest, APaintThatNeverRepeatsALineStartsOverInsteadOfGrowing) {
    HeldLines held;
    for (int i = 0; i < 40000; ++i) held.Insert(LineNumber(i));
    EXPECT_TRUE(held.Contains(LineNumber(39999)));
    EXPECT_FALSE(held.Contains(LineNumber(0)));
}

}  // namespace
