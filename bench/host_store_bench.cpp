// The host database calls the plug-in makes most often, on a real design file: the design record
// read per coordinate, a 3200-pin symbol stored, and a padstack matched or named among a hundred.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/database_set.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"

namespace {

using namespace zelmdb;

// A new design in a folder of its own, attached as the host's design, by default inside one
// transaction as the host holds a dialog run; rolled back and removed afterwards.
class BenchDesign {
public:
    explicit BenchDesign(bool transaction = true) {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessra-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return;
        folder_ = pattern;
        const std::string path = (folder_ / "bench.design").string();
        if (!DesignStore::Create(path, DesignInfo{}).ok()) return;
        auto opened = DesignStore::Open(path, DesignStore::Access::ReadWrite,
                                        DesignStore::Sharing::Exclusive);
        if (!opened.ok()) return;
        DatabaseSet::Get().AttachDesign(std::move(opened.value()));
        ready_ = !transaction || DatabaseSet::Get().Design()->Begin().ok();
    }
    ~BenchDesign() {
        if (DesignStore* design = DatabaseSet::Get().Design()) design->Rollback();
        DatabaseSet::Get().CloseAll();
        if (!folder_.empty()) std::filesystem::remove_all(folder_);
    }
    BenchDesign(const BenchDesign&) = delete;
    BenchDesign& operator=(const BenchDesign&) = delete;

    // False, with the reason given to the state, when the design could not be made.
    bool Ready(benchmark::State& state) {
        if (!ready_) state.SkipWithError("cannot create and attach a design");
        return ready_;
    }

private:
    std::filesystem::path folder_;
    bool ready_ = false;
};

struct UnionBuffer {
    uint8_t* bytes = MemAllocUnion();
    ~UnionBuffer() { MemFreeUnion(bytes); }
};

// Padstack n: a rectangle on layer 1 of a size of its own, with a drill.
void FillPadstack(uint8_t* bytes, int n) {
    namespace T = ThruRecordLayout;
    namespace E = LayerEntryLayout;
    ByteRecord r(bytes);
    r.Zero(0, T::Size);
    r.SetI32(T::Layer(PadLayer::Top) + E::Width1, 400000 + 1000 * n);
    r.SetI32(T::Layer(PadLayer::Top) + E::Height1, 600000);
    r.SetU8(T::Layer(PadLayer::Top) + E::Shape, uint8_t(PadShape::Rectangle));
    r.SetI32(T::Layer(PadLayer::Drill) + E::Width1, 300000);
    r.SetU8(T::Layer(PadLayer::Drill) + E::Shape, uint8_t(PadShape::Round));
}

bool StorePadstacks(int count) {
    UnionBuffer b;
    for (int n = 0; n < count; ++n) {
        const int32_t id = ThruCreate();
        FillPadstack(b.bytes, n);
        ByteRecord r(b.bytes);
        r.SetI32(ThruRecordLayout::NameId, NameCreate(std::string(1, 'R').append(std::to_string(n)).c_str()));
        r.SetI32(ThruRecordLayout::Id, id);
        if (id == 0 || ThruPut(id, b.bytes) != 1) return false;
    }
    return true;
}

// How many padstacks the design holds (their range is part of the record), and whether the
// calls are made inside a transaction, as in a dialog run, or outside one.
void BM_DbGet(benchmark::State& state) {
    BenchDesign design(state.range(1) != 0);
    if (!design.Ready(state)) return;
    if (!StorePadstacks(int(state.range(0)))) return state.SkipWithError("cannot store padstacks");
    UnionBuffer b;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DbGet(b.bytes));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DbGet)->ArgNames({"padstacks", "transaction"})->ArgsProduct({{0, 100}, {1, 0}});

// One footprint of 3200 pads: the symbol record filled and stored; pin names exist already.
void BM_SymPut(benchmark::State& state) {
    namespace S = SymRecordLayout;
    namespace P = PinEntryLayout;
    constexpr int Pins = 3200;
    BenchDesign design;
    if (!design.Ready(state)) return;
    if (!StorePadstacks(1)) return state.SkipWithError("cannot store padstacks");
    std::vector<int32_t> names;
    for (int n = 1; n <= Pins; ++n) names.push_back(NameCreate(std::to_string(n).c_str()));
    const int32_t symbolName = NameCreate("BGA3200");
    UnionBuffer b;
    for (auto _ : state) {
        const int32_t id = SymCreate();
        DbDefault(KindSymbol, b.bytes, id);
        ByteRecord r(b.bytes);
        r.SetI32(S::NameId, symbolName);
        r.SetU16(S::PinCount, Pins);
        for (int n = 1; n <= Pins; ++n) {
            const size_t at = S::Pin(n);
            r.SetI32(at + P::NameId, names[size_t(n - 1)]);
            r.SetI32(at + P::X, (n - 1) % 80 * 10000);
            r.SetI32(at + P::Y, (n - 1) / 80 * 10000);
            r.SetI16(at + P::Padstack, 1);
        }
        if (id == 0 || SymPut(id, b.bytes) != 1) return state.SkipWithError("cannot store the symbol");
    }
    state.SetItemsProcessed(state.iterations() * Pins);
}
BENCHMARK(BM_SymPut)->Unit(benchmark::kMillisecond);

// The argument picks a geometry that is there (the last stored) or one that is not.
void BM_ThruFindSame(benchmark::State& state) {
    constexpr int Stored = 100;
    BenchDesign design;
    if (!design.Ready(state)) return;
    if (!StorePadstacks(Stored)) return state.SkipWithError("cannot store padstacks");
    UnionBuffer b;
    const bool missing = state.range(0) != 0;
    FillPadstack(b.bytes, missing ? Stored : Stored - 1);
    if ((ThruFindSame(b.bytes) == 0) != missing) return state.SkipWithError("unexpected match");
    for (auto _ : state) benchmark::DoNotOptimize(ThruFindSame(b.bytes));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ThruFindSame)->ArgName("missing")->Arg(0)->Arg(1);

// A padstack found by name, as every pin of a footprint looks up its padstack.
void BM_ThruFind(benchmark::State& state) {
    constexpr int Stored = 100;
    BenchDesign design;
    if (!design.Ready(state)) return;
    if (!StorePadstacks(Stored)) return state.SkipWithError("cannot store padstacks");
    if (ThruFind("R50") <= 0) return state.SkipWithError("R50 not found");
    for (auto _ : state) benchmark::DoNotOptimize(ThruFind("R50"));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ThruFind);

}  // namespace

BENCHMARK_MAIN();
