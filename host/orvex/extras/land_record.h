// What a footprint made from datasheet dimensions keeps in the host's record: the package's keys
// as given and what the land calculation made of them, in mm, x right, y down, about the package
// centre. Show and export read it from here, so a later calculation changes no footprint made.
#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/base/result.h"
#include "host/land/land_pattern.h"
#include "host/land/package_input.h"
#include "host/orvex/text/json_reader.h"
#include "host/orvex/text/json_writer.h"

// One pair of facing rows: Z, G and X as calculated and rounded, the lands and the fillets.
struct LandRowRecord {
    int pins = 0;   // on each of the two rows
    double zMax = 0, gMin = 0, xMax = 0;
    double z = 0, g = 0, x = 0;
    double gLand = 0;   // G as the lands have it: after heel_reduction and the exposed pad's clearance
    double length = 0, width = 0, span = 0, cornerRatio = 0;
    land::Range toe, heel, side;
};

struct LandEpRecord {
    int number = 0;
    land::Rect land, mask;
    double cornerRatio = 0;
    std::vector<land::Rect> paste;   // the paste-only windows
    double pasteCoverage = 0;        // the share they reach
    std::vector<land::Point> vias;
    double viaDrill = 0, viaDiameter = 0;
};

struct LandBallRecord {
    double land = 0, mask = 0, paste = 0;   // diameters
};

struct LandRecord {
    std::vector<std::pair<std::string, std::string>> keys;   // name and kept text, in the key table's order
    std::string density;
    double bodyX = 0, bodyY = 0;   // nominal
    std::optional<LandRowRecord> rowX, rowY;
    std::optional<LandEpRecord> ep;
    std::optional<LandBallRecord> ball;
    land::Courtyard courtyard;
};

LandRecord LandRecordOf(const land::PackageInput& input, const land::LandPattern& pattern);

void WriteLandRecord(JsonWriter& j, const LandRecord& record);
// Refuses a member this version does not write, one missing, or a value of the wrong kind.
Result<LandRecord> ReadLandRecord(const JsonValue& value);
