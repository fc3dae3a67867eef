// One prepared SQLite statement that finalises itself. A statement that failed to prepare (a
// table or column the file lacks) refuses every call instead of handing SQLite a null statement.
#pragma once
#include <sqlite3.h>

#include <cstdint>
#include <string>

namespace zelmdb {

class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) stmt_ = nullptr;
    }
    ~SqliteStatement() { sqlite3_finalize(stmt_); }
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool ok() const { return stmt_ != nullptr; }
    SqliteStatement& Bind(int i, int64_t v) {
        if (stmt_) sqlite3_bind_int64(stmt_, i, v);
        return *this;
    }
    SqliteStatement& Bind(int i, double v) {
        if (stmt_) sqlite3_bind_double(stmt_, i, v);
        return *this;
    }
    SqliteStatement& Bind(int i, const std::string& v) {
        if (stmt_) sqlite3_bind_text(stmt_, i, v.c_str(), int(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    SqliteStatement& BindBlob(int i, const std::string& v) {
        if (stmt_) sqlite3_bind_blob(stmt_, i, v.data(), int(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    // True while a row is there; false at the end or on an error.
    bool Step() { return stmt_ != nullptr && sqlite3_step(stmt_) == SQLITE_ROW; }
    // Runs a statement that returns no rows.
    bool Run() {
        if (stmt_ == nullptr) return false;
        const int rc = sqlite3_step(stmt_);
        return rc == SQLITE_DONE || rc == SQLITE_ROW;
    }
    void Reset() {
        if (stmt_ == nullptr) return;
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    int64_t Int(int col) const { return stmt_ ? sqlite3_column_int64(stmt_, col) : 0; }
    double Real(int col) const { return stmt_ ? sqlite3_column_double(stmt_, col) : 0.0; }
    std::string Blob(int col) const {
        const void* data = stmt_ ? sqlite3_column_blob(stmt_, col) : nullptr;
        return data ? std::string(static_cast<const char*>(data), size_t(sqlite3_column_bytes(stmt_, col))) : "";
    }
    std::string Text(int col) const {
        const unsigned char* t = stmt_ ? sqlite3_column_text(stmt_, col) : nullptr;
        return t ? reinterpret_cast<const char*>(t) : "";
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace zelmdb
