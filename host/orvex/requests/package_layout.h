// How a package's land pattern is made through the dialog: the style page whose arrangement
// stands the lands where the pattern has them (dual for one pair of rows, the chip carrier with
// pin 1 at its corner for two, the grid for balls), its values in millimetres, and what the host
// then does: the positions left empty are left out, and a land the dialog cannot give (a pin
// numbered on past a deleted one, a row whose lands differ from the other pair's, the exposed
// pad and its vias) is left out and added as an extra pad.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/base/result.h"
#include "host/orvex/extras/land_check.h"
#include "host/orvex/extras/land_padstacks.h"
#include "host/orvex/requests/package_request.h"

// A pad the host adds: millimetres from the arrangement's centre, y up as the design has it,
// before the footprint's turn; its land as it stands before the turn too.
struct PlannedPad {
    std::string name;
    double x = 0, y = 0;
    LandShape shape;
};

struct PackageLayout {
    std::string style;
    std::vector<std::pair<std::string, int>> counts;       // "p", "q"
    std::vector<std::pair<std::string, double>> lengths;   // "x", "y", "w", "z" in mm
    std::vector<std::string> buttons;                      // radio buttons the page is set to
    std::optional<std::string> alphabet;
    LandShape land;            // the default and the pin-1 padstack
    int32_t turn = 0;          // minutes counter-clockwise: a dual of top and bottom rows stands up
    std::vector<PlannedPad> extras;
    std::vector<std::string> omit;        // the dialog's names, runs of numbers as ranges
    // What the footprint holds in the end, the exposed pad's openings (pads without a name) too.
    std::vector<LandPin> pins;
};

PackageLayout LayoutOf(const PackageRequest& package);

// "1,2,3,5,7,8,9" as "1-3,5,7-9": numbers in runs, other names as they are.
std::vector<std::string> NameRuns(const std::vector<std::string>& names);
