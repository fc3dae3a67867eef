// Arbitrary bytes as orvex's command line, words apart at each zero byte: split into options and
// positions, taken as the design's 8-bit texts, read as generate's options and as padstack add's
// (shapes, polygons, slots, offsets), and every word read as a number of each kind. Each is taken
// or refused with a message; never a crash, and a padstack taken has an outline a pad can have
// within the design's limits.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/orvex/requests/generate_request.h"
#include "host/orvex/requests/padstack_request.h"
#include "host/orvex/text/arg_list.h"
#include "host/orvex/text/number_parser.h"
#include "host/zelmdb/design_store.h"

namespace {

void ReadAsPadstack(std::vector<std::string> words) {
    words.insert(words.begin(), {"d.design", "P"});
    const auto args = ArgList::Parse(words, PadstackArgRules());
    if (!args.ok()) return;
    const auto request = PadstackRequestOf(args.value());
    if (!request.ok()) {
        if (request.error().empty()) __builtin_trap();
        return;
    }
    zelmdb::DesignInfo mm;
    mm.unitCode = 4;
    const auto made = PadstackOf(request.value(), mm, 9);
    if (!made.ok()) {
        if (made.error().empty()) __builtin_trap();
        return;
    }
    const zelmdb::PadForm& form = made.value().form;
    if (!form.polygon.empty() && (!zelmdb::CheckPolygon(form.polygon).ok() || !zelmdb::InsidePolygon(form.polygon, 0, 0)))
        __builtin_trap();
    for (const zelmdb::LayerGeometry& l : made.value().padstack.layers)
        if (l.width1 < 0 || l.height1 < 0 || l.width1 > zelmdb::DesignStore::CoordinateLimit) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> words(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) words.emplace_back(); else words.back() += char(data[i]);
    }
    for (const std::string& word : words) {
        const auto length = number_parser::Length(word, "width", 1.0 / 25.4, 1.0 / 254000.0);
        if (!length.ok() && length.error().empty()) __builtin_trap();
        const auto count = number_parser::Integer(word, "p", 1, 3200);
        if (!count.ok() && count.error().empty()) __builtin_trap();
        const auto real = number_parser::Real(word, "resolution");
        if (!real.ok() && real.error().empty()) __builtin_trap();
    }
    ReadAsPadstack(words);
    auto args = ArgList::Parse(words, GenerateArgRules());
    if (!args.ok()) {
        if (args.error().empty()) __builtin_trap();
        return 0;
    }
    if (const Status names = args.value().ToHostTexts(GenerateArgRules()); !names.ok()) {
        if (names.error().empty()) __builtin_trap();
        return 0;
    }
    const auto request = RequestFromArgs(args.value(), words.front());
    if (request.ok() && BuildGenerateScript(request.value()).actions.empty()) __builtin_trap();
    if (request.ok())
        for (const AlsoRequest& also : request.value().also)
            if (BuildGenerateScript(also).actions.empty()) __builtin_trap();
    return 0;
}
