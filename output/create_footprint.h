// Storing the active page's pads as a footprint: symbol, pins, rotated padstack copies,
// component and labels, all in the design that is open in the host.
#pragma once
#include <cstdint>
#include <string>

#include "array/pad_site_list.h"

// Reads CurrentParameters and CurrentPadList. Does nothing but say so for an empty pad list.
// A footprint of the same name already in the design is replaced. True when one was stored.
bool CreateFootprint();

// Pin `number` of `symbol` (a SymRecord) for `pad`, on the padstack named `padstackName`, or a
// copy of it turned to the pad's rotation unless the padstack is rotation free.
void AddPin(const PadSite& pad, uint8_t* symbol, int32_t number, const std::string& padstackName,
            int32_t rotationFree);

// "&FP", "&Pack", "&Value" and "&Comp" stacked on `layer`, or "&Comp" alone.
void AddLabels(uint16_t symbolId, uint8_t layer, int32_t allLabels);

// The name of a turned copy: the padstack name and the rotation in degrees, cut so that it
// fits a host name and stays apart from names already taken.
std::string RotatedCopyName(const std::string& padstackName, int16_t rotation);
