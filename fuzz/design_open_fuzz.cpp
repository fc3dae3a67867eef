// Fuzzes opening arbitrary bytes as a design and as a padstack library, then reading it all.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "host/zelmdb/database_set.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/zelmdb.h"

namespace {

void ReadEverything(zelmdb::DesignStore& store) {
    for (const auto& p : store.Padstacks()) store.NameText(p.nameId);
    store.Symbols();
    store.Components();
    store.Labels();
    store.Layers();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char path[] = "/tmp/orvex-fuzz-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return 0;
    const ssize_t written = write(fd, data, size);
    close(fd);
    if (written == ssize_t(size)) {
        auto opened = zelmdb::DesignStore::Open(path, zelmdb::DesignStore::Access::ReadWrite,
                                                zelmdb::DesignStore::Sharing::Exclusive);
        if (opened.ok()) {
            ReadEverything(*opened.value());
            zelmdb::DatabaseSet::Get().AttachDesign(std::move(opened.value()));
            uint8_t* buffer = MemAllocUnion();
            DbGet(buffer);
            ThruGet(1, buffer);
            ThruFindSame(buffer);
            MemFreeUnion(buffer);
            zelmdb::DatabaseSet::Get().CloseAll();
        }
        if (DbLoadFpNames(path) == 1) DeleteActiveDatabase();
    }
    std::remove(path);
    std::remove((std::string(path) + "-journal").c_str());
    return 0;
}
