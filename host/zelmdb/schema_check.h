// Whether a file holds every table and column the host reads and writes, with their types: a
// design with a table dropped or reshaped is refused on opening, not found out halfway through
// storing a footprint.
#pragma once
#include <sqlite3.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace zelmdb {

// What the file lacks against the tables `schema` creates, e.g. "table pins is missing"; empty
// when it has them all. Tables and columns of its own beyond them are allowed, and so is the
// absence of a table in `madeOnFirstWrite` (one that files from before it never had).
std::string SchemaMismatch(sqlite3* file, const char* schema,
                           std::initializer_list<std::string_view> madeOnFirstWrite);

}  // namespace zelmdb
