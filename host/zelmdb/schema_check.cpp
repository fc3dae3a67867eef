// The schema a file should have is read back from a database made from the schema text in
// memory, so the check never drifts from what a new file is given.
#include "host/zelmdb/schema_check.h"

#include <strings.h>

#include <algorithm>
#include <map>
#include <vector>

#include "host/zelmdb/sqlite_statement.h"

namespace zelmdb {

namespace {

struct Column {
    std::string table;
    std::string name;
    std::string type;
};

std::vector<Column> ColumnsOf(sqlite3* db) {
    std::vector<Column> columns;
    SqliteStatement tables(db, "SELECT name FROM sqlite_schema WHERE type = 'table' ORDER BY rowid");
    SqliteStatement info(db, "SELECT name, type FROM pragma_table_info(?)");
    while (tables.Step()) {
        const std::string table = tables.Text(0);
        info.Bind(1, table);
        while (info.Step()) columns.push_back({table, info.Text(0), info.Text(1)});
        info.Reset();
    }
    return columns;
}

// Made once: the process knows one schema.
const std::vector<Column>& Expected(const char* schema) {
    static const std::vector<Column> expected = [schema] {
        sqlite3* db = nullptr;
        std::vector<Column> columns;
        if (sqlite3_open(":memory:", &db) == SQLITE_OK &&
            sqlite3_exec(db, schema, nullptr, nullptr, nullptr) == SQLITE_OK) {
            columns = ColumnsOf(db);
        }
        sqlite3_close(db);
        return columns;
    }();
    return expected;
}

}  // namespace

Status CheckSchema(sqlite3* file, const char* schema, const std::vector<std::string_view>& mayLack) {
    auto allowed = [&](const std::string& name) { return std::find(mayLack.begin(), mayLack.end(), name) != mayLack.end(); };
    std::map<std::string, std::map<std::string, std::string>> has;   // table, column, type
    for (const Column& c : ColumnsOf(file)) has[c.table][c.name] = c.type;
    for (const Column& want : Expected(schema)) {
        const auto table = has.find(want.table);
        if (table == has.end()) {
            if (allowed(want.table)) continue;
            return Failure{"table " + want.table + " is missing"};
        }
        const auto column = table->second.find(want.name);
        if (column == table->second.end()) {
            if (allowed(want.table + "." + want.name)) continue;
            return Failure{"table " + want.table + " has no column " + want.name};
        }
        if (strcasecmp(column->second.c_str(), want.type.c_str()) != 0) {
            return Failure{"column " + want.table + "." + want.name + " is " +
                           (column->second.empty() ? "untyped" : column->second) + ", not " + want.type};
        }
    }
    return {};
}

}  // namespace zelmdb
