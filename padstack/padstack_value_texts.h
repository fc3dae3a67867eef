// The value texts of the Select Padstack dialog.
#pragma once
#include <cstdint>
#include <string>

// Minutes of arc as degrees, with minutes when there are any: 5430 gives "90 30'".
std::string RotationText(int16_t minutes);
// The design unit in brackets, "(--)" for a code the host does not define.
std::string UnitText(uint8_t unitCode);
