// Whether a file holds every table and column the host reads and writes, with their types: a
// design with a table dropped or reshaped is refused on opening, not found out halfway through
// storing a footprint.
#pragma once
#include <sqlite3.h>

#include <string>
#include <string_view>
#include <vector>

#include "host/base/result.h"

namespace zelmdb {

// Whether the file has every table `schema` creates; refused with what it lacks, e.g. "table pins
// is missing". Tables and columns of its own beyond them are allowed, and so is the absence of
// what `mayLack` names: a table ("plugin_records", made on first write) or a column
// ("padstack_layers.corner_ratio", added when an older file is brought up to date).
Status CheckSchema(sqlite3* file, const char* schema, const std::vector<std::string_view>& mayLack);

}  // namespace zelmdb
