// A design's whole content as text, for tests that compare two designs or one before and after.
#pragma once
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

// Every row of every table, in storage order: equal for equal content whatever the file bytes.
// Blobs are written whole in hex, so bytes after a zero count too. Without `host`, the host's
// own records are left out: a person's dialog run makes none.
inline std::string DumpDesign(const std::filesystem::path& file, bool host = true) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return "cannot open";
    }
    const auto rows = [db](const std::string& sql) {
        std::vector<std::string> out;
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) return out;
        while (sqlite3_step(s) == SQLITE_ROW) {
            std::string row;
            for (int i = 0; i < sqlite3_column_count(s); ++i) {
                if (i > 0) row += "|";
                if (sqlite3_column_type(s, i) == SQLITE_NULL) {
                    row += "NULL";
                } else if (sqlite3_column_type(s, i) == SQLITE_BLOB) {
                    const auto* bytes = static_cast<const unsigned char*>(sqlite3_column_blob(s, i));
                    row += "x'";
                    for (int b = 0; b < sqlite3_column_bytes(s, i); ++b) {
                        char hex[3];
                        std::snprintf(hex, sizeof hex, "%02x", bytes[b]);
                        row += hex;
                    }
                    row += "'";
                } else {
                    row += reinterpret_cast<const char*>(sqlite3_column_text(s, i));
                }
            }
            out.push_back(row);
        }
        sqlite3_finalize(s);
        return out;
    };
    std::string out;
    for (const std::string& table : rows("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")) {
        out += "[" + table + "]\n";
        const std::string only = !host && table == "plugin_records" ? " WHERE owner <> 'Orvex'" : "";
        for (const std::string& row : rows("SELECT * FROM \"" + table + "\"" + only)) out += row + "\n";
    }
    sqlite3_close(db);
    return out;
}

// A text as DumpDesign writes the bytes of a blob.
inline std::string Hex(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", c);
        out += hex;
    }
    return out;
}
