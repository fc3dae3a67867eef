// Recipes go through the host's plug-in records; the bytes are the recipe's own layout.
#include "output/recipe_store.h"

#include <vector>

#include "host/zelmdb/zelmdb.h"
#include "output/padstack_rules.h"

const char* const kRecipeOwner = "Tessra";

bool SaveRecipe(const std::string& footprint, const FootprintRecipe& recipe) {
    const std::vector<uint8_t> bytes = EncodeRecipe(recipe);
    return PlugRecordPut(kRecipeOwner, footprint.c_str(), bytes.data(), int32_t(bytes.size())) == 1;
}

StoredRecipe LoadRecipe(const std::string& footprint) {
    StoredRecipe stored;
    const int32_t size = PlugRecordGet(kRecipeOwner, footprint.c_str(), nullptr, 0);
    if (size < 0) return stored;
    stored.Found = true;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (PlugRecordGet(kRecipeOwner, footprint.c_str(), bytes.data(), size) == size) {
        stored.Recipe = DecodeRecipe(bytes.data(), bytes.size());
    }
    return stored;
}

std::optional<PadstackInfo> RecipePadstackInfo(const std::string& name) {
    if (name.empty()) return TemporaryPad();
    const int16_t id = ThruFind(name.c_str());
    if (id <= 0) return std::nullopt;
    PadstackBuffer record = NewPadstackBuffer();
    if (ThruGet(id, record.data()) != 1 || !UsablePadstack(record)) return std::nullopt;
    PadstackInfo info;
    MakePadstackInfo(record, info);
    return info;
}
