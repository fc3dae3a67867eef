// Arbitrary bytes as generate's JSON: read or refused with a place, and a read value always
// turns into requests or a refusal, and each request into the host's record or a refusal;
// never a crash or a runaway recursion.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/orvex/requests/generate_request.h"
#include "host/orvex/text/json_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto json = ReadJson(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!json.ok()) {
        if (json.error().rfind("line ", 0) != 0) __builtin_trap();
        return 0;
    }
    auto requests = RequestsFromJson(json.value());
    if (!requests.ok()) return 0;
    zelmdb::DesignInfo mils;   // the extra pads' places convert or are refused, never overflow
    for (const GenerateRequest& r : requests.value()) {
        if (BuildGenerateScript(r).actions.empty()) __builtin_trap();
        auto extras = ExtrasOf(r, mils);
        if (extras.ok() && extras.value().pads.size() != r.extras.pads.size()) __builtin_trap();
        if (extras.ok() && extras.value().also.size() != r.also.size()) __builtin_trap();
        // Each further arrangement reads back from what the host keeps of it.
        for (const AlsoRequest& also : r.also)
            if (!ArrangementFromOptions(MadeFrom(also)).ok()) __builtin_trap();
    }
    return 0;
}
