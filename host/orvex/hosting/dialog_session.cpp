// Opening a design for the plug-in's dialog, in the order the plug-in relies on: the design
// attached before the module is loaded, the controls registered before the first window.
#include "host/orvex/hosting/dialog_session.h"

#include "host/orvex/extras/extras_applier.h"
#include "host/orvex/hosting/plugin_folder.h"
#include "host/orvex/hosting/plugin_windows.h"
#include "host/zelmdb/database_set.h"
#include "host/zelmdb/record_layout.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/standard_controls.h"
#include "platform/win/message_box.h"
#include "platform/win/win_api.h"

namespace {

constexpr const char* PluginModule = "tessra.dll";
// The plug-in keeps what each footprint was made from under this owner and the footprint's name.
constexpr const char* PluginRecordOwner = "Tessra";

}  // namespace

Result<std::unique_ptr<DialogSession>> DialogSession::Open(const std::string& file, const std::string& hostFolder,
                                                           int screenWidth, int screenHeight) {
    TRY_ASSIGN(opened, zelmdb::DesignStore::Open(file, zelmdb::DesignStore::Access::ReadWrite,
                                                 zelmdb::DesignStore::Sharing::Exclusive, zelmdb::FileKind::Design));
    TRY_ASSIGN(modulePath, PluginInHostFolder(hostFolder, PluginModule));
    TRY_ASSIGN(plugin, PluginLibrary::Load(modulePath));
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
    return std::unique_ptr<DialogSession>(
        new DialogSession(file, std::move(plugin), design, std::move(transaction.value())));
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
    return Failure{"the footprint name " + footprint.substr(0, 16) + "... has " + std::to_string(footprint.size()) +
                   " characters; the host keeps names of at most " + std::to_string(longest) + "; nothing was changed"};
}

Status DialogSession::NameFree(const std::string& footprint) {
    if (design_.FindSymbol(footprint) == 0) return {};
    // A second footprint of the same name would leave the design ambiguous.
    return Failure{file_ + ": the design already holds a footprint named " + footprint +
                   "; choose another name, or edit it with orvex run --reopen; nothing was changed"};
}

Status DialogSession::Reopenable(const std::string& footprint) {
    if (design_.FindSymbol(footprint) == 0)
        return Failure{file_ + ": the design holds no footprint named " + footprint + " to reopen; nothing was changed"};
    if (!design_.GetPluginRecord(PluginRecordOwner, footprint)) {
        return Failure{file_ + ": the footprint " + footprint +
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
    const auto before = design_.GetPluginRecord(PluginRecordOwner, footprint);
    const int32_t result = plugin_->DisplayTessraDialog(footprint.c_str());
    if (result == 1) {
        const bool remade = design_.GetPluginRecord(PluginRecordOwner, footprint) != before;
        extrasDone_ = DoExtras(footprint, remade, given);
    }
    return result;
}

// OK stored the footprint anew, so what the host does to it is done again.
Status DialogSession::DoExtras(const std::string& footprint, bool remade, const FootprintExtras* given) {
    TRY_ASSIGN(extras, given ? Result<FootprintExtras>(*given) : LoadExtras(design_, footprint));
    // Made from other values than generate's: what the host added stays, the options go, and so
    // does a package's land pattern, which the pads no longer follow.
    const bool forget = !given && remade && (!extras.madeFrom.empty() || extras.land);
    if (forget) {
        extras.madeFrom.clear();
        extras.land.reset();
    }
    TRY_ASSIGN(notes, ApplyExtras(design_, footprint, extras, given ? ExtrasCheck::Strict : ExtrasCheck::Lenient));
    extrasNotes_ = std::move(notes);
    if ((given || forget) && !SaveExtras(design_, footprint, extras).ok())
        return Failure{"what " + footprint + " was made from could not be kept"};
    return {};
}

Status DialogSession::AllWritten() const {
    if (design_.FailedWrites().empty()) return {};
    return Failure{design_.FailedWrites().front()};
}

bool DialogSession::Holds(const std::string& footprint) { return design_.FindSymbol(footprint) != 0; }

Status DialogSession::Keep() {
    if (!transaction_) return Failure{file_ + ": the runs were already kept or dropped"};
    const Status kept = transaction_->Commit();
    transaction_.reset();
    return kept;
}

void DialogSession::Drop() { transaction_.reset(); }
