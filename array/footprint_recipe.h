// What a stored footprint was made from: the page's record, what its fields showed, and the
// alphabet, so that the sheet can be opened on it again. Kept as one byte-layout record.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "array/array_parameters.h"
#include "array/shared_state.h"

struct FootprintRecipe {
    ArrayParameters Parameters;
    Alphabet Letters{};
    // The fields' exchange values, which a style need not have copied into the record.
    int P = 0, Q = 0, XStart = 0, XIncrement = 0, YStart = 0, YIncrement = 0, D = 0;
    double X = 0.0, Y = 0.0, W = 0.0, Z = 0.0, R = 0.0;
    std::string AngleText;
};

std::vector<uint8_t> EncodeRecipe(const FootprintRecipe& recipe);
// Refuses what the dialog could not have written: a wrong size, magic or version, a style out
// of range, unterminated texts, counts beyond the limits, numbers that are not finite.
std::optional<FootprintRecipe> DecodeRecipe(const uint8_t* bytes, size_t size);

// The recipe of the footprint the sheet reopens, set for one dialog run.
extern std::optional<FootprintRecipe> ReopenRecipe;
