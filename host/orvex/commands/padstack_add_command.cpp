// "orvex padstack add": one padstack into a design or a library, stored whole or not at all.
#include <cstdio>

#include "host/orvex/commands/command_table.h"
#include "host/orvex/requests/padstack_request.h"
#include "host/orvex/text/latin1.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/pad_layers.h"
#include "host/zelmdb/transaction.h"

namespace {

// The new padstack's id. A write that fails is noted by the store as well, and the commit
// refuses for it; a failure before the commit leaves the transaction to its guard.
Result<int32_t> Stored(zelmdb::DesignStore& store, zelmdb::Transaction& transaction, PadstackToStore made,
                       const std::string& name) {
    TRY_ASSIGN(formId, store.StoreForm(made.form));
    TRY_ASSIGN(id, store.NewPadstack());
    TRY_ASSIGN(nameId, store.NameCreate(name));
    zelmdb::Padstack& padstack = made.padstack;
    padstack.id = id;
    padstack.nameId = nameId;
    padstack.formId = formId;
    TRY(store.PutPadstack(padstack));
    TRY(transaction.Commit());
    return id;
}

Status AddPadstack(const PadstackRequest& request) {
    TRY_ASSIGN(store, zelmdb::DesignStore::Open(request.file, zelmdb::DesignStore::Access::ReadWrite,
                                                zelmdb::DesignStore::Sharing::Exclusive));
    const int padLayer = zelmdb::PadLayers(*store).Of(request.kind, request.bottom);
    TRY_ASSIGN(padstack, PadstackOf(request, store->info(), padLayer));
    if (store->FindPadstack(request.name) != 0)
        return Failure{"padstack " + Utf8FromLatin1(request.name) + " already exists in " + request.file};
    TRY_ASSIGN(transaction, zelmdb::Transaction::Begin(*store));
    const Result<int32_t> id = Stored(*store, transaction, padstack, request.name);
    if (!id.ok()) return Failure{id.error() + ": the padstack was NOT stored"};
    std::printf("%s: padstack %d %s\n", request.file.c_str(), id.value(), Utf8FromLatin1(request.name).c_str());
    return {};
}

}  // namespace

int RunPadstackAdd(const Command&, const CommandContext& context) {
    auto request = PadstackRequestOf(context.args);
    if (!request.ok()) return Refuse(request.error());
    return Finish(AddPadstack(request.value()));
}
