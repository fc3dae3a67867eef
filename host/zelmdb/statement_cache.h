// Prepared statements kept for the life of an open design, one per SQL text: preparing the same
// SQL again for every pin was most of what storing a footprint cost.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/zelmdb/sqlite_statement.h"

namespace zelmdb {

class StatementCache {
public:
    // A statement lent out for one use; reset and unbound when the lease ends, so that no
    // statement keeps a read lock on the file between uses.
    class Lease {
    public:
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        ~Lease();
        SqliteStatement& operator*() const { return *statement_; }
        SqliteStatement* operator->() const { return statement_; }

    private:
        friend class StatementCache;
        Lease(SqliteStatement* statement, bool* inUse, std::unique_ptr<SqliteStatement> own);
        SqliteStatement* statement_;
        bool* inUse_;                              // the cached one's flag, null for a spare
        std::unique_ptr<SqliteStatement> own_;     // a spare, when the cached one is lent out
    };

    explicit StatementCache(sqlite3* db) : db_(db) {}
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // The statement of that SQL, ready to bind. One that fails to prepare is not kept: the
    // next use prepares again, as a table made meanwhile may let it. While the cached one is
    // lent out, a second use of the same SQL gets a spare of its own.
    Lease Use(const char* sql);
    // Finalises every statement; the connection cannot close with any still prepared.
    void Clear() { entries_.clear(); }
    size_t Size() const { return entries_.size(); }
    // The SQL of every statement kept, so that how SQLite runs each can be looked at.
    std::vector<std::string> Texts() const;

private:
    struct Entry {
        std::unique_ptr<SqliteStatement> statement;
        bool inUse = false;
    };
    struct TextHash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    sqlite3* db_;
    std::unordered_map<std::string, Entry, TextHash, std::equal_to<>> entries_;
};

}  // namespace zelmdb
