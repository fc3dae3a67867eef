// The texts of a pad's shape on the command line: a polygon's points "x1,y1 x2,y2 ..." and a
// slot's "WxH", lengths in the file's display unit.
#pragma once
#include <string>
#include <vector>

#include "host/base/result.h"
#include "host/zelmdb/pad_form.h"

struct LengthUnits {
    double inchesPerDisplayUnit = 1;
    double inchesPerDatabaseUnit = 1;
};

// Points apart by blanks, x and y by a comma; refuses a word that is not two numbers. Whether
// they outline a pad is CheckPolygon's.
Result<std::vector<zelmdb::FormPoint>> PolygonOfText(const std::string& text, const LengthUnits& units);

struct LengthPair {
    int32_t width = 0, height = 0;
};
// "WxH", both above 0.
Result<LengthPair> SizeOfText(const std::string& text, const std::string& what, const LengthUnits& units);
