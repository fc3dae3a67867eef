// Prepared statements by SQL text; see statement_cache.h.
#include "host/zelmdb/statement_cache.h"

namespace zelmdb {

StatementCache::Lease::Lease(SqliteStatement* statement, bool* inUse, std::unique_ptr<SqliteStatement> own)
    : statement_(statement), inUse_(inUse), own_(std::move(own)) {
    if (inUse_) *inUse_ = true;
}

StatementCache::Lease::~Lease() {
    // A statement that never prepared has nothing to reset.
    if (statement_->ok()) statement_->Reset();
    if (inUse_) *inUse_ = false;
}

StatementCache::Lease StatementCache::Use(const char* sql) {
    auto found = entries_.find(std::string_view(sql));
    if (found != entries_.end()) {
        Entry& entry = found->second;
        if (!entry.inUse) return Lease(entry.statement.get(), &entry.inUse, nullptr);
        auto spare = std::make_unique<SqliteStatement>(db_, sql);
        SqliteStatement* raw = spare.get();
        return Lease(raw, nullptr, std::move(spare));
    }
    auto statement = std::make_unique<SqliteStatement>(db_, sql);
    if (!statement->ok()) {
        SqliteStatement* raw = statement.get();
        return Lease(raw, nullptr, std::move(statement));
    }
    Entry& entry = entries_[sql];
    entry.statement = std::move(statement);
    return Lease(entry.statement.get(), &entry.inUse, nullptr);
}

std::vector<std::string> StatementCache::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(entries_.size());
    for (const auto& [sql, entry] : entries_) texts.push_back(sql);
    return texts;
}

}  // namespace zelmdb
