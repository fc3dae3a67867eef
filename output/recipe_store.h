// The recipe of each stored footprint, kept in the design beside the host's records under the
// footprint's name, so that a footprint can be opened in the sheet again.
#pragma once
#include <optional>
#include <string>

#include "array/footprint_recipe.h"
#include "array/padstack_info.h"

// The owner name of the plug-in's records in a design.
extern const char* const kRecipeOwner;

bool SaveRecipe(const std::string& footprint, const FootprintRecipe& recipe);
struct StoredRecipe {
    bool Found = false;                      // the design keeps a record under that name
    std::optional<FootprintRecipe> Recipe;   // none when the record is damaged
};
StoredRecipe LoadRecipe(const std::string& footprint);

// The preview geometry of a padstack of the design a recipe names: the temporary pad for the
// empty name, none when the design no longer holds that padstack.
std::optional<PadstackInfo> RecipePadstackInfo(const std::string& name);
