// Texts a person passes through while typing a length: blank, a sign, a point or zeros. The
// decimal edits leave them alone instead of raising an error at every keystroke.
#pragma once
#include <string_view>

// True when the automaton consumes the whole text; `signedValue` allows a leading minus
// (spacings and staggers), radii have none.
bool IsZeroOrUnfinished(std::string_view text, bool signedValue);
