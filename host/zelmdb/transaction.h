// A transaction of a design store that is taken back unless it is committed, so that however a
// command ends, none of its writes stays half done.
#pragma once
#include <utility>

#include "host/base/result.h"
#include "host/zelmdb/design_store.h"

namespace zelmdb {

class Transaction {
public:
    // Refuses, naming the file, when the store cannot be written now.
    static Result<Transaction> Begin(DesignStore& store, DesignStore::Lock lock = DesignStore::Lock::Immediate);
    Transaction(Transaction&& other) noexcept : store_(std::exchange(other.store_, nullptr)) {}
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    Transaction& operator=(Transaction&&) = delete;
    // Takes back whatever was not committed.
    ~Transaction();

    // Keeps every write. Refused, with every write taken back, when one of them failed: the
    // writer may have gone on after it, and what it kept would be half a change.
    Status Commit();

private:
    explicit Transaction(DesignStore& store) : store_(&store) {}

    DesignStore* store_;   // null once committed or taken back
};

}  // namespace zelmdb
