// Opening a design for the plug-in's dialog, in the order the plug-in relies on: the design
// attached before the module is loaded, the controls registered before the first window.
#include "host/orvex/hosting/dialog_session.h"

#include "host/orvex/extras/extras_applier.h"
#include "host/orvex/hosting/arrangement_builder.h"
#include "host/orvex/hosting/plugin_folder.h"
#include "host/orvex/hosting/plugin_windows.h"
#include "host/orvex/text/latin1.h"
#include "host/zelmdb/database_set.h"
#include "host/zelmdb/record_layout.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/standard_controls.h"
#include "platform/win/message_box.h"
#include "platform/win/win_api.h"

namespace {

constexpr const char* PluginModule = "tessra.dll";

}  // namespace

Result<std::unique_ptr<DialogSession>> DialogSession::Open(const std::string& file, const HostFolder& host,
                                                           int screenWidth, int screenHeight) {
    TRY_ASSIGN(opened, zelmdb::DesignStore::Open(file, zelmdb::DesignStore::Access::ReadWrite,
                                                 zelmdb::DesignStore::Sharing::Exclusive, zelmdb::FileKind::Design));
    TRY_ASSIGN(module, PluginInHostFolder(host, PluginModule));
    TRY_ASSIGN(plugin, PluginLibrary::Load(module.path));
    if (!InstallStandardControls()) return Failure{"the window system could not be set up"};
    SetScreenSize(screenWidth, screenHeight);

    zelmdb::DatabaseSet& databases = zelmdb::DatabaseSet::Get();
    databases.AttachDesign(std::move(opened));
    zelmdb::DesignStore& design = *databases.Design();
    // Readers are kept out for the whole run too: one that held on until the end would stop the
    // commit after all the work was done.
    auto transaction = zelmdb::Transaction::Begin(design, zelmdb::DesignStore::Lock::Exclusive);
    if (!transaction.ok()) {
        databases.CloseAll();
        return Failure{transaction.error() + "; nothing was changed"};
    }
    auto session = std::unique_ptr<DialogSession>(
        new DialogSession(file, std::move(plugin), design, std::move(transaction.value())));
    session->pluginNote_ = module.note;
    return session;
}

DialogSession::~DialogSession() {
    Drop();
    zelmdb::DatabaseSet::Get().CloseAll();
}

Status DialogSession::NameUsable(const std::string& footprint) {
    constexpr size_t longest = zelmdb::TextMax - 1;
    if (footprint.empty()) return Failure{"a footprint needs a name"};
    if (footprint.size() <= longest) return {};
    // The plug-in would cut the name, and the cut name could be an earlier footprint's.
    return Failure{"the footprint name " + Utf8FromLatin1(footprint.substr(0, 16)) + "... has " + std::to_string(footprint.size()) +
                   " characters; the host keeps names of at most " + std::to_string(longest) + "; nothing was changed"};
}

Status DialogSession::NameFree(const std::string& footprint) {
    if (design_.FindSymbol(footprint) == 0) return {};
    // A second footprint of the same name would leave the design ambiguous.
    return Failure{file_ + ": the design already holds a footprint named " + Utf8FromLatin1(footprint) +
                   "; choose another name, or edit it with orvex run --reopen; nothing was changed"};
}

Status DialogSession::Reopenable(const std::string& footprint) {
    if (design_.FindSymbol(footprint) == 0)
        return Failure{file_ + ": the design holds no footprint named " + Utf8FromLatin1(footprint) +
                       " to reopen; nothing was changed"};
    if (!design_.GetPluginRecord(kPluginRecordOwner, footprint)) {
        return Failure{file_ + ": the footprint " + Utf8FromLatin1(footprint) +
                       " was not made by the generator, so there is nothing to reopen it from; nothing was changed"};
    }
    return {};
}

int32_t DialogSession::Run(const std::string& footprint, HeadlessDriver& driver, const FootprintExtras* given) {
    driver.SetWindowFinder("preview", [footprint] { return FindPreviewWindow(footprint); });
    driver.SetWindowFinder("sample", [] { return FindStyleSampleWindow(); });
    return Run(footprint, given);
}

int32_t DialogSession::Run(const std::string& footprint, const FootprintExtras* given) {
    ClearShownMessageBoxes();
    extrasDone_ = {};
    extrasNotes_.clear();
    const auto before = design_.GetPluginRecord(kPluginRecordOwner, footprint);
    lastPadstackBefore_ = design_.LastPadstackId();
    const int32_t result = plugin_->DisplayTessraDialog(footprint.c_str());
    boxes_ = ShownMessageBoxes();
    if (result == 1) {
        const bool remade = design_.GetPluginRecord(kPluginRecordOwner, footprint) != before;
        extrasDone_ = DoExtras(footprint, remade, given);
    }
    return result;
}

// OK stored the footprint anew, so what the host does to it is done again.
Status DialogSession::DoExtras(const std::string& footprint, bool remade, const FootprintExtras* given) {
    TRY_ASSIGN(extras, given ? Result<FootprintExtras>(*given) : LoadExtras(design_, footprint));
    // Made from other values than generate's: what the host added stays, the options go, and so
    // does a package's land pattern, which the pads no longer follow. Its exposed pad keeps its
    // paste split as windows of equal cells.
    const bool forget = !given && remade && (!extras.madeFrom.empty() || extras.land);
    if (forget) {
        if (extras.land && extras.land->ep && !extras.epPaste) extras.epPaste = PasteSplitOf(*extras.land->ep);
        extras.madeFrom.clear();
        extras.land.reset();
    }
    if (extras.ChangesFootprint()) {
        ArrangementBuilder builder(*plugin_, design_);
        TRY_ASSIGN(built, builder.Build(footprint, extras));
        TRY_ASSIGN(notes, ApplyExtras(design_, footprint, extras, given ? ExtrasCheck::Strict : ExtrasCheck::Lenient,
                                      built));
        TRY(builder.DropUnusedCopies());
        extrasNotes_ = builder.Notes();
        extrasNotes_.insert(extrasNotes_.end(), notes.begin(), notes.end());
    }
    if ((given || forget) && !SaveExtras(design_, footprint, extras).ok())
        return Failure{"what " + Utf8FromLatin1(footprint) + " was made from could not be kept"};
    return {};
}

Status DialogSession::AllWritten() const {
    if (design_.FailedWrites().empty()) return {};
    return Failure{design_.FailedWrites().front()};
}

bool DialogSession::Holds(const std::string& footprint) { return design_.FindSymbol(footprint) != 0; }

std::vector<std::string> DialogSession::CopiedPadstacks() {
    std::vector<std::string> names;
    for (const zelmdb::Padstack& p : design_.Padstacks())
        if (p.id > lastPadstackBefore_) names.push_back(design_.NameText(p.nameId).value_or(""));
    return names;
}

Status DialogSession::Keep() {
    if (!transaction_) return Failure{file_ + ": the runs were already kept or dropped"};
    const Status kept = transaction_->Commit();
    transaction_.reset();
    return kept;
}

void DialogSession::Drop() { transaction_.reset(); }
