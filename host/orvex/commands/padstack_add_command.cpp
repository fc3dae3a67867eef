// "orvex padstack add": one padstack into a design or a library, stored whole or not at all.
#include <cstdio>

#include "host/orvex/commands/command_table.h"
#include "host/orvex/requests/padstack_request.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/transaction.h"

namespace {

Status AddPadstack(const PadstackRequest& request) {
    TRY_ASSIGN(store, zelmdb::DesignStore::Open(request.file, zelmdb::DesignStore::Access::ReadWrite,
                                                zelmdb::DesignStore::Sharing::Exclusive));
    TRY_ASSIGN(padstack, PadstackOf(request, store->info()));
    if (store->FindPadstack(request.name) != 0)
        return Failure{"padstack " + request.name + " already exists in " + request.file};
    TRY_ASSIGN(transaction, zelmdb::Transaction::Begin(*store));
    padstack.id = store->NewPadstack();
    padstack.nameId = padstack.id == 0 ? 0 : store->NameCreate(request.name);
    // A write that fails is noted by the store, and the commit refuses for it.
    if (padstack.nameId != 0) store->PutPadstack(padstack);
    if (Status kept = transaction.Commit(); !kept.ok()) return Failure{kept.error() + ": the padstack was NOT stored"};
    std::printf("%s: padstack %d %s\n", request.file.c_str(), padstack.id, request.name.c_str());
    return {};
}

}  // namespace

int RunPadstackAdd(const Command&, const CommandContext& context) {
    auto request = PadstackRequestOf(context.args);
    if (!request.ok()) return Refuse(request.error());
    return Finish(AddPadstack(request.value()));
}
