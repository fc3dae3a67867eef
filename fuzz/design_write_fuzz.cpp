// Stores a small footprint into any file that opens as a design, as the plug-in's run does in
// one transaction: a padstack, a symbol with two pins, its component and a label. A run without
// a failed write is committed and must then be found whole; one with a failed write is rolled
// back. Whatever the file, never a crash, and never half a footprint kept.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/zelmdb/design_store.h"
#include "host/zelmdb/host_environment.h"

namespace {

using zelmdb::DesignStore;

void StoreFootprint(DesignStore& d) {
    zelmdb::Padstack pad;
    pad.id = d.NewPadstack();
    pad.nameId = d.NameCreate("FUZZ-PAD");
    pad.layers.resize(size_t(d.info().layerCount));
    pad.layers[0] = {600, 600, 0, 0, 1, 0};
    d.PutPadstack(pad);
    zelmdb::Symbol symbol;
    symbol.id = d.NewSymbol();
    symbol.nameId = d.NameCreate("FUZZ-FP");
    symbol.pins = {{d.NameCreate("1"), 0, 0, int16_t(pad.id)}, {d.NameCreate("2"), 1000, 0, int16_t(pad.id)}};
    d.PutSymbol(symbol);
    d.PutComponent({d.NewComponent(), symbol.nameId, 0, 0, uint16_t(symbol.id)});
    d.PutLabel({d.NewLabel(), 10, 100, 0, 0, uint16_t(symbol.id), 1, 1, "&FP"});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zelmdb::HostEnvironment::Get().SetMessageSink([](const zelmdb::HostMessage&) {});
    char path[] = "/tmp/design-write-fuzz-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return 0;
    const bool whole = write(fd, data, size) == ssize_t(size);
    close(fd);
    bool committed = false;
    if (whole) {
        auto opened = DesignStore::Open(path, DesignStore::Access::ReadWrite, DesignStore::Sharing::Exclusive);
        if (opened.ok() && opened.value()->info().kind == zelmdb::FileKind::Design && opened.value()->Begin()) {
            DesignStore& d = *opened.value();
            StoreFootprint(d);
            if (d.FailedWrites().empty()) committed = d.Commit(); else d.Rollback();
        }
    }
    if (committed) {
        auto reopened = DesignStore::Open(path, DesignStore::Access::ReadOnly, DesignStore::Sharing::Shared);
        if (reopened.ok()) {
            const auto symbol = reopened.value()->SymbolNamed("FUZZ-FP");
            if (!symbol || symbol->pins.size() != 2) std::abort();
        }
    }
    zelmdb::HostEnvironment::Get().ClearMessages();
    std::remove(path);
    std::remove((std::string(path) + "-journal").c_str());
    return 0;
}
