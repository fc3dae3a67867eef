// The sheet's caption: the footprint being made and the design's display unit.
#pragma once
#include <cstdint>
#include <string>

std::string MakeSheetTitle(const std::string& footprintName, uint8_t unitCode);
