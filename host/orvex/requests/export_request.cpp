// Reading an export from the command line; see export_request.h.
#include "host/orvex/requests/export_request.h"

#include "host/orvex/text/number_parser.h"

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() > tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// "--model-offset X Y Z" into three numbers.
Status ReadXyz(const ArgList& a, const char* option, double (&xyz)[3]) {
    const auto groups = a.Groups(option);
    if (groups.empty()) return {};
    if (groups.size() > 1) return Failure{std::string("option ") + option + " is given twice"};
    for (int i = 0; i < 3; ++i) {
        TRY_ASSIGN(v, number_parser::Real(groups[0][size_t(i)], std::string(option) + " " + "xyz"[i]));
        xyz[i] = v;
    }
    return {};
}

Result<std::optional<KicadModel>> ModelOf(const ArgList& a) {
    const auto path = a.Value("--model");
    if (!path) {
        for (const char* option : {"--model-offset", "--model-rotate"})
            if (!a.Groups(option).empty()) return Failure{std::string(option) + " places a model: give --model PATH"};
        return std::optional<KicadModel>();
    }
    if (path->empty()) return Failure{"--model needs the model file's path"};
    KicadModel model{*path};
    TRY(ReadXyz(a, "--model-offset", model.offset));
    TRY(ReadXyz(a, "--model-rotate", model.rotate));
    return std::optional<KicadModel>(model);
}

}  // namespace

// The model's path goes into the design's 8-bit texts and back out as UTF-8, like every name.
ArgRules ExportArgRules() {
    return {{"--kicad", "--body", "--model"}, {"--force"}, {{"--model-offset", 3}, {"--model-rotate", 3}}, 1, 2,
            {"--kicad"}};
}

Result<ExportRequest> ExportRequestOf(const ArgList& a) {
    const auto out = a.Value("--kicad");
    if (!out) return Failure{"export needs --kicad OUT"};
    ExportRequest r{a.positional()[0], *out, std::nullopt, std::nullopt, std::nullopt, a.Has("--force")};
    if (a.positional().size() == 2) r.footprint = a.positional()[1];
    if (auto text = a.Value("--body")) {
        if (!r.footprint) return Failure{"--body is the body of one footprint; name the footprint"};
        TRY_ASSIGN(body, ParseBody(*text));
        r.body = body;
    }
    TRY_ASSIGN(model, ModelOf(a));
    if (model && !r.footprint) return Failure{"--model is the model of one footprint; name the footprint"};
    r.model = model;
    if (!r.footprint && !EndsWith(r.out, KicadLibrarySuffix))
        return Failure{"a KiCad library is a folder whose name ends in " + std::string(KicadLibrarySuffix) + ", not " +
                       r.out};
    return r;
}
