// The transaction guard; see transaction.h.
#include "host/zelmdb/transaction.h"

namespace zelmdb {

Result<Transaction> Transaction::Begin(DesignStore& store, DesignStore::Lock lock) {
    if (!store.Begin(lock)) return Failure{store.LastError()};
    return Transaction(store);
}

Transaction::~Transaction() {
    if (store_ != nullptr) store_->Rollback();
}

Status Transaction::Commit() {
    DesignStore* store = std::exchange(store_, nullptr);
    if (store == nullptr) return Failure{"the transaction was already ended"};
    if (!store->FailedWrites().empty()) {
        const Failure failed{store->FailedWrites().front()};
        store->Rollback();
        return failed;
    }
    if (store->Commit()) return {};
    const Failure unsaved{store->LastError()};
    store->Rollback();
    return unsaved;
}

}  // namespace zelmdb
