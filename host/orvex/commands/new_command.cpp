// "orvex new" and "orvex library new": an empty design or padstack library, one command for two
// kinds of file.
#include "host/orvex/commands/command_table.h"
#include "host/orvex/requests/new_file_request.h"
#include "host/zelmdb/design_store.h"

namespace {

int CreateNewFile(const CommandContext& context, zelmdb::FileKind kind) {
    auto request = NewFileRequestOf(context.args, kind);
    if (!request.ok()) return Refuse(request.error());
    auto created = zelmdb::DesignStore::Create(request.value().path, request.value().info);
    return created.ok() ? ExitOk : Refuse(created.error());
}

}  // namespace

int RunNew(const Command&, const CommandContext& context) { return CreateNewFile(context, zelmdb::FileKind::Design); }

int RunLibraryNew(const Command&, const CommandContext& context) {
    return CreateNewFile(context, zelmdb::FileKind::Library);
}
