// "orvex new" and "orvex library new": where the new file goes and the design record it starts with.
#pragma once
#include <string>

#include "host/base/result.h"
#include "host/orvex/text/arg_list.h"
#include "host/zelmdb/design_types.h"

struct NewFileRequest {
    std::string path;
    zelmdb::DesignInfo info;
};

ArgRules NewFileArgRules(zelmdb::FileKind kind);
// Refuses a unit, resolution or layer count no file can have.
Result<NewFileRequest> NewFileRequestOf(const ArgList& args, zelmdb::FileKind kind);
