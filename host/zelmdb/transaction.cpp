// The transaction guard; see transaction.h.
#include "host/zelmdb/transaction.h"

namespace zelmdb {

Result<Transaction> Transaction::Begin(DesignStore& store, DesignStore::Lock lock) {
    TRY(store.Begin(lock));
    return Transaction(store);
}

Transaction::~Transaction() {
    if (store_ != nullptr) store_->Rollback();
}

Status Transaction::Commit() {
    DesignStore* store = std::exchange(store_, nullptr);
    if (store == nullptr) return Failure{"the transaction was already ended"};
    const Status saved = store->FailedWrites().empty() ? store->Commit() : Failure{store->FailedWrites().front()};
    if (!saved.ok()) store->Rollback();
    return saved;
}

}  // namespace zelmdb
