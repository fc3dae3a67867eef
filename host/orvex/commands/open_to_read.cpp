// Readers' opening of a file; see open_to_read.h.
#include "host/orvex/commands/open_to_read.h"

#include <cstdio>

Result<std::unique_ptr<zelmdb::DesignStore>> OpenToRead(const std::string& file, std::optional<zelmdb::FileKind> kind) {
    TRY_ASSIGN(store, zelmdb::DesignStore::Open(file, zelmdb::DesignStore::Access::ReadOnly,
                                                zelmdb::DesignStore::Sharing::Shared, kind));
    if (const auto note = store->NewerNote()) std::fprintf(stderr, "orvex: note: %s\n", note->c_str());
    return store;
}
