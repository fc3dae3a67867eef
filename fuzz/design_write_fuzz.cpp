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
#include "host/zelmdb/transaction.h"

namespace {

using zelmdb::DesignStore;

Status StoreFootprint(DesignStore& d) {
    zelmdb::Padstack pad;
    TRY_ASSIGN(padId, d.NewPadstack());
    TRY_ASSIGN(padName, d.NameCreate("FUZZ-PAD"));
    pad.id = padId;
    pad.nameId = padName;
    pad.layers.resize(size_t(d.info().layerCount));
    pad.Layer(zelmdb::PadLayer::Top) = {600, 600, 0, 0, zelmdb::PadShape::Round, 0};
    TRY(d.PutPadstack(pad));
    zelmdb::Symbol symbol;
    TRY_ASSIGN(symbolId, d.NewSymbol());
    TRY_ASSIGN(symbolName, d.NameCreate("FUZZ-FP"));
    TRY_ASSIGN(one, d.NameCreate("1"));
    TRY_ASSIGN(two, d.NameCreate("2"));
    symbol.id = symbolId;
    symbol.nameId = symbolName;
    symbol.pins = {{one, 0, 0, int16_t(pad.id)}, {two, 1000, 0, int16_t(pad.id)}};
    TRY(d.PutSymbol(symbol));
    TRY_ASSIGN(component, d.NewComponent());
    TRY(d.PutComponent({component, symbol.nameId, 0, 0, uint16_t(symbol.id)}));
    TRY_ASSIGN(label, d.NewLabel());
    return d.PutLabel({label, 10, 100, 0, 0, uint16_t(symbol.id), 1, 1, "&FP"});
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
        auto transaction = opened.ok() && opened.value()->info().kind == zelmdb::FileKind::Design
                               ? zelmdb::Transaction::Begin(*opened.value())
                               : Result<zelmdb::Transaction>(Failure{"not a writable design"});
        // A write the file refuses costs the whole footprint; the guard takes it back.
        if (transaction.ok() && StoreFootprint(*opened.value()).ok()) committed = transaction.value().Commit().ok();
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
