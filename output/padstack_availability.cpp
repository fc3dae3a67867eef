// Libraries are opened one at a time as the active database and the design is made active
// again before the next one, so the design is active whenever this returns.
#include "output/padstack_availability.h"

#include <optional>

#include "host/zelmdb/zelmdb.h"
#include "output/layer_colours.h"
#include "output/padstack_rules.h"
#include "output/padstack_scan.h"
#include "platform/win/message_box.h"
#include "res/captions.h"
#include "res/output_texts.h"

namespace {

struct Candidate {
    std::string name;
    PadstackBuffer record;
    std::string library;
};

// The first padstack of the active database that `accept` takes.
std::optional<Candidate> ScanActive(bool (*accept)(const PadstackBuffer&)) {
    std::optional<Candidate> found;
    ForEachPadstack([&](const std::string& name, const PadstackBuffer& record) {
        if (!accept(record)) return true;
        found = Candidate{name, record, ""};
        return false;
    });
    return found;
}

// The last library's first usable padstack wins.
std::optional<Candidate> ScanLibraries(uint8_t design) {
    std::optional<Candidate> found;
    ForEachLibrary(design, [&](const char* path) {
        if (auto candidate = ScanActive(UsablePadstack)) {
            found = std::move(candidate);
            found->library = path;
        }
    });
    return found;
}

}  // namespace

StartPadstack CheckPadstackAvailability() {
    std::optional<Candidate> chosen = ScanActive(TopPadstack);
    const uint8_t design = GetActiveDatabase();
    if (!chosen) chosen = ScanLibraries(design);
    StartPadstack start;
    if (!chosen) {
        MessageBoxA(0, output_texts::kNoPadstack, captions::kDotsWarning, MB_OK | MB_ICONINFORMATION);
        return start;
    }
    if (!chosen->library.empty()) DbLoadThru(chosen->name.c_str(), chosen->library.c_str());
    start.Name = chosen->name;
    start.Record = std::move(chosen->record);
    return start;
}

PadstackInfo StartPadstack::Info() const {
    if (Record.empty()) return TemporaryPad();
    PadstackInfo info;
    MakePadstackInfo(Record, info);
    return info;
}
