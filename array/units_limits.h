// Conversion of display units to database units, and the pad-count and size limits that an
// edit must pass before it is committed.
#pragma once
#include <cstdint>

#include "array/array_parameters.h"
#include "array/design_record.h"
#include "array/pad_site_list.h"
#include "platform/win/win_types.h"

// Display-unit value to whole database units of the design, rounded half away from zero.
// The single-argument form reads the design record from the host on every call.
int32_t ToDatabaseUnits(double value);
int32_t ToDatabaseUnits(double value, const DesignRecord& record);

// Half away from zero, then toward zero; NaN gives 0 and the result saturates at the ends of
// the 32-bit range instead of overflowing.
int32_t RoundHalfAway(double value);
int32_t TruncateToInt32(double value);

// Pads an arrangement of the record's style holds for its X.Count and Y.Count; -1 when the
// style is unknown. The limit counts a stagger X as full rows, whatever the row delta.
int64_t PadCountOf(const ArrayParameters& params);
// The pads it really holds: a stagger X has p pads in its odd rows and p + d in its even ones.
int64_t ExactPadCount(const ArrayParameters& params);

// `candidate` is the page's record with the exchanged, not yet committed values put in.
int CheckPadCount(const ArrayParameters& candidate, HWND owner);

struct ArrayExtent {
    double Across = 0;   // E: centre to centre, display units
    double Down = 0;     // F
};

// Centre-to-centre extents of the candidate; false for an unknown style (extents 0).
bool ComputeArrayExtent(const ArrayParameters& candidate, ArrayExtent& extent);

// Checks width and height, pad outlines included, against the limit of `unitCode`; the pad
// sizes come from `pads` and are scaled with the design record.
int CheckArraySize(const ArrayParameters& candidate, const PadSiteList& pads, uint8_t unitCode,
                   HWND owner);
