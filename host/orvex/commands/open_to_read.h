// Opening a design or library for a command that only reads it.
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "host/base/result.h"
#include "host/zelmdb/design_store.h"

// Shared with other readers. A file a newer orvex wrote is read, and standard error says so.
Result<std::unique_ptr<zelmdb::DesignStore>> OpenToRead(const std::string& file,
                                                        std::optional<zelmdb::FileKind> kind = std::nullopt);
