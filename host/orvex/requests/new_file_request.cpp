// Reading the options of a new design or library; see new_file_request.h.
#include "host/orvex/requests/new_file_request.h"

#include "host/orvex/text/number_parser.h"
#include "host/zelmdb/design_defaults.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/unit_table.h"

namespace {

constexpr double DefaultResolution = 1.0 / 254000.0;   // 0.1 micron: mils and mm are whole units

Result<double> Resolution(const std::string& text) {
    TRY_ASSIGN(inches, number_parser::Real(text, "resolution"));
    if (!(inches > 0) || inches > 1) return Failure{"resolution " + text + " must be more than 0 and at most 1 inch per unit"};
    return inches;
}

}  // namespace

ArgRules NewFileArgRules(zelmdb::FileKind kind) {
    ArgRules rules{{"--units", "--layers", "--resolution"}, {}, {}, 1, 1};
    if (kind == zelmdb::FileKind::Design) rules.flags.insert("--big-labels");
    return rules;
}

Result<NewFileRequest> NewFileRequestOf(const ArgList& args, zelmdb::FileKind kind) {
    NewFileRequest request{args.positional()[0], {}};
    zelmdb::DesignInfo& info = request.info;
    info.kind = kind;
    const std::string units = args.Value("--units").value_or("mils");
    const zelmdb::UnitInfo* unit = zelmdb::UnitByOption(units);
    if (unit == nullptr) return Failure{"unknown unit '" + units + "' (mils, inches, cm, mm, microns)"};
    info.unitCode = unit->code;
    info.inchesPerUnit = DefaultResolution;
    if (auto text = args.Value("--resolution")) {
        TRY_ASSIGN(inches, Resolution(*text));
        info.inchesPerUnit = inches;
    }
    if (auto text = args.Value("--layers")) {
        TRY_ASSIGN(layers, number_parser::Integer(*text, "layer count", zelmdb::MinLayerCount, zelmdb::MaxLayers));
        info.layerCount = int(layers);
    }
    if (args.Has("--big-labels")) info.flags |= zelmdb::BigLabelsFlag;
    return request;
}
