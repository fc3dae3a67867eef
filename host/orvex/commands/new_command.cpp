// "orvex new" and "orvex library new": an empty design or padstack library.
#include <string>

#include "host/orvex/text/arg_list.h"
#include "host/orvex/commands/command_table.h"
#include "host/orvex/text/number_parser.h"
#include "host/zelmdb/design_defaults.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/unit_table.h"

namespace {

constexpr double DefaultResolution = 1.0 / 254000.0;   // 0.1 micron: mils and mm are whole units

int CreateFile(CommandContext& context, zelmdb::FileKind kind, const char* usage) {
    auto args = ArgList::Parse(context.words, {"--units", "--layers", "--resolution"},
                               kind == zelmdb::FileKind::Design ? std::set<std::string>{"--big-labels"}
                                                                : std::set<std::string>{});
    if (!args.ok()) return Refuse(args.error() + "\nusage: orvex " + usage, ExitUsage);
    const ArgList& a = args.value();
    if (a.positional().size() != 1) return Refuse(std::string("usage: orvex ") + usage, ExitUsage);
    zelmdb::DesignInfo info;
    info.kind = kind;
    const std::string units = a.Value("--units").value_or("mils");
    const zelmdb::UnitInfo* unit = zelmdb::UnitByOption(units);
    if (unit == nullptr) return Refuse("unknown unit '" + units + "' (mils, inches, cm, mm, microns)");
    info.unitCode = unit->code;
    info.inchesPerUnit = DefaultResolution;
    if (auto text = a.Value("--resolution")) {
        auto r = number_parser::Real(*text, "resolution");
        if (!r.ok()) return Refuse(r.error());
        if (!(r.value() > 0) || r.value() > 1) {
            return Refuse("resolution " + *text + " must be more than 0 and at most 1 inch per unit");
        }
        info.inchesPerUnit = r.value();
    }
    if (auto text = a.Value("--layers")) {
        auto n = number_parser::Integer(*text, "layer count", zelmdb::MinLayerCount, zelmdb::MaxLayers);
        if (!n.ok()) return Refuse(n.error());
        info.layerCount = int(n.value());
    }
    if (a.Has("--big-labels")) info.flags |= zelmdb::BigLabelsFlag;
    const std::string& path = a.positional()[0];
    auto created = zelmdb::DesignStore::Create(path, info);
    if (!created.ok()) return Refuse(created.error());
    return ExitOk;
}

}  // namespace

int RunNew(CommandContext& context) {
    return CreateFile(context, zelmdb::FileKind::Design, Commands()[0].usage);
}

int RunLibraryNew(CommandContext& context) {
    return CreateFile(context, zelmdb::FileKind::Library, Commands()[3].usage);
}
