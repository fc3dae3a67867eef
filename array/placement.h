// Placement: the active page's parameters walked pad by pad, in pin order, into its pad list.
#pragma once
#include <cstdint>

// A pad being placed: display units, +y up; only the low 16 bits of the rotation are kept.
struct PadPosition {
    int32_t Rotation = 0;   // minutes of arc
    double Px = 0.0;
    double Py = 0.0;
};

// Appends the pads of CurrentParameters to CurrentPadList, which the caller has emptied.
void RecomputePads();

// Names the pad, converts it to database units and appends it to CurrentPadList; -1 is the
// index of a placeholder the style does not use.
void AddPadSite(const PadPosition& position, int32_t xIndex, int32_t yIndex);

// Bounds (pad outlines) and Center (pad centres) of CurrentPadList; needs at least one pad.
void ComputeBounds();
