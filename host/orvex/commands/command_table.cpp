// The table of commands; see command_table.h.
#include "host/orvex/commands/command_table.h"

#include <cstdio>

#include "host/orvex/requests/export_request.h"
#include "host/orvex/requests/generate_request.h"
#include "host/orvex/requests/library_request.h"
#include "host/orvex/requests/new_file_request.h"
#include "host/orvex/requests/padstack_request.h"
#include "host/orvex/requests/run_request.h"

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"new", nullptr,
         "new DESIGN [--units mils|inches|cm|mm|microns] [--big-labels] [--layers N] [--resolution INCHES]",
         NewFileArgRules(zelmdb::FileKind::Design), RunNew},
        {"padstack", "add",
         "padstack add FILE NAME --shape round|square|oblong|rect|roundrect|chamfered|trapezoid|custom|hole | "
         "--shape-code N --width W --height H [--drill D|WxH] [--drill-offset X Y] [--rotation DEG] "
         "[--side top|bottom] [--kind copper|paste|mask] [--corner-ratio R] [--no-paste] "
         "[--chamfer-ratio R [--chamfer-corners tl,tr,bl,br|all]] [--delta DX DY] [--polygon \"X,Y X,Y ...\"]",
         PadstackArgRules(), RunPadstackAdd},
        {"padstack", "list", "padstack list FILE", {{}, {}, {}, 1, 1}, RunPadstackList},
        {"library", "new", "library new LIB.olb [--units ...] [--layers N] [--resolution INCHES]",
         NewFileArgRules(zelmdb::FileKind::Library), RunLibraryNew},
        {"library", "add", "library add LIB.olb", LibraryArgRules(), RunLibraryAdd},
        {"library", "remove", "library remove LIB.olb", LibraryArgRules(), RunLibraryRemove},
        {"run", nullptr, "run DESIGN FOOTPRINT [--reopen] [--script FILE|-] [--screen WxH] [--scale N]", RunArgRules(),
         RunRun},
        {"show", nullptr, "show DESIGN [FOOTPRINT] [--json]", {{}, {"--json"}, {}, 1, 2}, RunShow},
        {"export", nullptr,
         "export DESIGN FOOTPRINT --kicad OUT.kicad_mod [--body WxH] [--model PATH [--model-offset X Y Z] "
         "[--model-rotate X Y Z]] [--force] | export DESIGN --kicad DIR.pretty [--force]",
         ExportArgRules(), RunExport},
        {"generate", nullptr,
         "generate DESIGN FOOTPRINT --style grid|dual|stagger-x|stagger-y|chip-carrier|circular "
         "[--p N --q N --x X --y Y --w W --z Z --d D --r R --angle A --x-start N --x-increment N "
         "--y-start N --y-increment N --x-alpha|--x-numeric --y-alpha|--y-numeric "
         "--continue-numbering|--alpha-numeric --center-start|--corner-start "
         "--alphabet LETTERS --padstack NAME --pin1-padstack NAME --body WxH] "
         "[--pad NAME X Y PADSTACK]... [--pads-about center|origin] [--omit NAMES]... [--turn 90|180|270] "
         "[--start-angle DEG] [--ep-paste NxM[@COVERAGE]] [--name-width N] [--pin-padstack NAMES=PADSTACK]... "
         "[--allow-overlap] "
         "[--also --style STYLE [its options] [--at X Y] [--share-names] --end-also]... "
         "| generate DESIGN FOOTPRINT --package gullwing|nolead|bga --KEY VALUE... (keys: docs/land-patterns.md) "
         "| generate [DESIGN] --from-json FILE [--fabrication-tolerance F] [--placement-tolerance P]",
         GenerateArgRules(), RunGenerate},
    };
    return commands;
}

std::string ProgramUsage() {
    std::string text = "usage: orvex [--home DIR] COMMAND ...\n";
    for (const auto& c : Commands()) text += "  orvex " + std::string(c.usage) + "\n";
    return text;
}

std::string Command::Usage() const { return "usage: orvex " + std::string(usage); }

int Command::RefuseUsage(const std::string& error) const {
    return Refuse(error + "\n" + Usage(), ExitUsage);
}

int Refuse(const std::string& message, int code) {
    std::fprintf(stderr, "orvex: %s\n", message.c_str());
    return code;
}

int Finish(const Status& done) { return done.ok() ? ExitOk : Refuse(done.error()); }
