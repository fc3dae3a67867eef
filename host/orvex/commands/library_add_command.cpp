// "orvex library add": a padstack library at the head of the PADSTACK_LIB list of ORVEX.INI, as the
// Select Padstack dialog adds it.
#include <strings.h>

#include "host/orvex/commands/command_table.h"
#include "host/orvex/commands/open_to_read.h"
#include "host/orvex/hosting/library_list.h"
#include "host/orvex/requests/library_request.h"
#include "host/orvex/text/latin1.h"
#include "host/zelmdb/design_store.h"

namespace {

Status AddLibrary(const LibraryRequest& request, const std::string& ini) {
    // Only a real library goes into the list: the dialog would otherwise pass it over silently.
    TRY(OpenToRead(request.path, zelmdb::FileKind::Library));
    // The file holds the library's name as the dialog lists it, an 8-bit text; its path stays
    // the bytes that find the file.
    auto key = Latin1FromUtf8(request.key);
    Status fits = key.ok() ? FitsIniLine(request) : Failure{"its name: " + key.error()};
    if (!fits.ok()) return Failure{ini + " cannot list " + request.path + ": " + fits.error()};
    const LibraryList list(ini);
    TRY_ASSIGN(old, list.Read());
    LibraryList::Lines lines{{key.value(), request.path}};
    for (const auto& line : old) {
        const bool same = strcasecmp(line.first.c_str(), key.value().c_str()) == 0 &&
                          strcasecmp(line.second.c_str(), request.path.c_str()) == 0;
        if (!same) lines.push_back(line);
    }
    return list.Write(lines);
}

}  // namespace

int RunLibraryAdd(const Command&, const CommandContext& context) {
    if (Status settings = context.host.SettingsWritable(); !settings.ok()) return Refuse(settings.error());
    return Finish(AddLibrary(LibraryRequestOf(context.args), context.host.iniPath()));
}
