// What the host keeps with a footprint beside the plug-in's own record: what the host adds to
// the arrangement (so far the body) and the generate options it was made from. One JSON object
// per footprint under the host's owner name, with a version, so that later additions (extra
// pads, omitted pads, turns) extend this record rather than start another.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/zelmdb/design_store.h"
#include "host/zelmdb/result.h"

// The package body, in millimetres.
struct BodySize {
    double width = 0;
    double height = 0;
};

struct FootprintExtras {
    std::optional<BodySize> body;
    // generate's options as given, style first, flags without a value; none for a footprint made
    // or last edited in the dialog.
    std::vector<std::pair<std::string, std::optional<std::string>>> madeFrom;
};

// The owner name of the host's records among the plug-in records of a design.
extern const char* const kHostRecordOwner;
constexpr int kExtrasVersion = 1;
constexpr double kMaxBodyMm = 1000;

// "WxH" in millimetres, both above 0.
zelmdb::Result<BodySize> ParseBody(const std::string& text);

std::string EncodeExtras(const FootprintExtras& extras);
// Refuses what this version did not write: other JSON, a newer version, unknown members.
zelmdb::Result<FootprintExtras> DecodeExtras(std::string_view bytes);

// The footprint's extras; none stored reads as empty extras.
zelmdb::Result<FootprintExtras> LoadExtras(zelmdb::DesignStore& store, const std::string& footprint);
bool SaveExtras(zelmdb::DesignStore& store, const std::string& footprint, const FootprintExtras& extras);
