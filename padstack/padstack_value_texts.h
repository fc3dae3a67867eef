// The value texts of the Select Padstack dialog.
#pragma once
#include <cstdint>
#include <string>

// Minutes of arc as degrees, with minutes when there are any: 5430 gives "90 30'".
std::string RotationText(int16_t minutes);
