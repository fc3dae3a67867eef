// A package for "orvex generate": "--package FAMILY" with the package keys as flags of the same
// words ("--num-pins-x 8"), or a JSON "package" object with the keys as members. The key table
// of the land library is the one list of both. The land pattern is worked out as the request is
// read, so that a package that does not agree is refused, naming its keys and values, before
// any design is opened.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "host/base/result.h"
#include "host/land/land_pattern.h"
#include "host/land/package_input.h"
#include "host/orvex/text/arg_list.h"
#include "host/orvex/text/json_reader.h"

struct PackageRequest {
    land::PackageInput input;
    land::LandPattern pattern;
    // Every position of the pattern in the order of its places: the name the dialog gives it,
    // and whether hidden_pins or deleted_pins leave it empty.
    std::vector<std::string> positions;
    std::vector<bool> hidden, deleted;
};

// "--package" and a flag for every key into generate's rules.
void AddPackageOptions(ArgRules& rules);
// None when the words hold no "--package"; a key's flag without it is refused.
Result<std::optional<PackageRequest>> PackageFromArgs(const ArgList& args);
// The "package" member of a batch entry; "family" is one of its members.
Result<PackageRequest> PackageFromJson(const JsonValue& object);

// F and P for every package of a batch that gives none of its own: "--from-json FILE
// --fabrication-tolerance 0.05 --placement-tolerance 0.03".
struct BatchTolerances {
    std::optional<double> fabrication, placement;
    size_t Count() const { return (fabrication ? 1 : 0) + (placement ? 1 : 0); }
};
Result<BatchTolerances> BatchTolerancesOf(const ArgList& args);
// The package worked out again with the batch's tolerances where it gives none.
Status TakeBatchTolerances(PackageRequest& package, const BatchTolerances& batch);

// The dialog's name of a ball in a grid: the row's letters of the JEDEC alphabet (no I, O, Q,
// S, X or Z; after Y come AA, AB, ...) and the column from 1: "A1", "AA12".
std::string BallName(int row, int col);
extern const char* const kBallAlphabet;
