// Placement: the active page's parameters walked pad by pad, in pin order, into its pad list.
#pragma once
#include <cstdint>

#include "array/array_parameters.h"
#include "array/pad_site_list.h"

// A pad being placed: display units, +y up; only the low 16 bits of the rotation are kept.
struct PadPosition {
    int32_t Rotation = 0;   // minutes of arc
    double Px = 0.0;
    double Py = 0.0;
};

// Display units to whole database units; called twice for every pad.
using UnitConverter = int32_t (*)(double);

// The arrangement of `params` in pin order, appended to `out`, then the bounds of the whole list.
// `pin1` and `defaultPad` become the list's padstacks: their sizes measure the bounds and their
// rotations turn the pads. Names use the active alphabet.
void PlacePads(const ArrayParameters& params, const PadstackInfo& pin1, const PadstackInfo& defaultPad,
               UnitConverter toUnits, PadSiteList& out);

// Appends the pads of CurrentParameters to CurrentPadList, which the caller has emptied,
// converting with the design record read anew for every coordinate.
void RecomputePads();

// Names the pad, converts it to database units and appends it to CurrentPadList; -1 is the
// index of a placeholder the style does not use.
void AddPadSite(const PadPosition& position, int32_t xIndex, int32_t yIndex);

// Bounds (pad outlines) and Center (pad centres) of the list; needs at least one pad.
void ComputeBounds(PadSiteList& list);
void ComputeBounds();
