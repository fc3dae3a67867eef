// Comparing a window picture with its golden PNG in tests/data/ui, pixel for pixel.
#pragma once
#include <gtest/gtest.h>

#include "platform/gdi/surface.h"

// On a mismatch the actual picture goes to the build's test-out folder as NAME.actual.png;
// with TESSRA_UPDATE_GOLDEN=1 the golden is (re)written instead.
::testing::AssertionResult MatchesUiGolden(const Surface& actual, const char* name);
