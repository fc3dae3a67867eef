// Fuzzes the recipe kept in a design: any bytes are refused or read into a recipe that writes
// back to a record which reads the same again.
#include <cstdint>
#include <cstdlib>

#include "array/footprint_recipe.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto recipe = DecodeRecipe(data, size);
    if (!recipe) return 0;
    const std::vector<uint8_t> once = EncodeRecipe(*recipe);
    const auto again = DecodeRecipe(once.data(), once.size());
    if (!again || EncodeRecipe(*again) != once) std::abort();
    return 0;
}
