// Opening a design for the plug-in's dialog, in the order the plug-in relies on: the design
// attached before the module is loaded, the controls registered before the first window.
#include "host/orvex/hosting/dialog_session.h"

#include "host/orvex/extras/footprint_shaper.h"
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

Result<std::unique_ptr<DialogSession>> DialogSession::Open(const std::string& file,
                                                                   const std::string& hostFolder, int screenWidth,
                                                                   int screenHeight) {
    using R = Result<std::unique_ptr<DialogSession>>;
    auto opened = zelmdb::DesignStore::Open(file, zelmdb::DesignStore::Access::ReadWrite,
                                            zelmdb::DesignStore::Sharing::Exclusive, zelmdb::FileKind::Design);
    if (!opened.ok()) return R::Fail(opened.error());
    const auto modulePath = PluginInHostFolder(hostFolder, PluginModule);
    if (!modulePath.ok()) return R::Fail(modulePath.error());
    auto plugin = PluginLibrary::Load(modulePath.value());
    if (!plugin.ok()) return R::Fail(plugin.error());
    if (!InstallStandardControls()) return R::Fail("the window system could not be set up");
    SetScreenSize(screenWidth, screenHeight);

    zelmdb::DatabaseSet& databases = zelmdb::DatabaseSet::Get();
    databases.AttachDesign(std::move(opened.value()));
    zelmdb::DesignStore& design = *databases.Design();
    // Readers are kept out for the whole run too: one that held on until the end would stop the
    // commit after all the work was done.
    if (!design.Begin(zelmdb::DesignStore::Lock::Exclusive)) {
        const std::string why = design.LastError();
        databases.CloseAll();
        return R::Fail(why + "; nothing was changed");
    }
    return std::unique_ptr<DialogSession>(new DialogSession(file, std::move(plugin.value()), design));
}

DialogSession::~DialogSession() {
    Drop();
    zelmdb::DatabaseSet::Get().CloseAll();
}

std::string DialogSession::NameUnusable(const std::string& footprint) {
    constexpr size_t longest = zelmdb::TextMax - 1;
    if (footprint.empty()) return "a footprint needs a name";
    if (footprint.size() <= longest) return "";
    // The plug-in would cut the name, and the cut name could be an earlier footprint's.
    return "the footprint name " + footprint.substr(0, 16) + "... has " + std::to_string(footprint.size()) +
           " characters; the host keeps names of at most " + std::to_string(longest) + "; nothing was changed";
}

std::string DialogSession::NameTaken(const std::string& footprint) {
    if (m_design.FindSymbol(footprint) == 0) return "";
    // A second footprint of the same name would leave the design ambiguous.
    return m_file + ": the design already holds a footprint named " + footprint +
           "; choose another name, or edit it with orvex run --reopen; nothing was changed";
}

std::string DialogSession::NotReopenable(const std::string& footprint) {
    if (m_design.FindSymbol(footprint) == 0) {
        return m_file + ": the design holds no footprint named " + footprint + " to reopen; nothing was changed";
    }
    if (!m_design.GetPluginRecord(PluginRecordOwner, footprint)) {
        return m_file + ": the footprint " + footprint +
               " was not made by the generator, so there is nothing to reopen it from; nothing was changed";
    }
    return "";
}

int32_t DialogSession::Run(const std::string& footprint, HeadlessDriver& driver, const FootprintExtras* given) {
    driver.SetWindowFinder("preview", [footprint] { return FindPreviewWindow(footprint); });
    driver.SetWindowFinder("sample", [] { return FindStyleSampleWindow(); });
    return Run(footprint, given);
}

int32_t DialogSession::Run(const std::string& footprint, const FootprintExtras* given) {
    ClearShownMessageBoxes();
    m_shapeRefusal.clear();
    m_shapeNotes.clear();
    const auto before = m_design.GetPluginRecord(PluginRecordOwner, footprint);
    const int32_t result = m_plugin->DisplayTessraDialog(footprint.c_str());
    if (result == 1) {
        const bool remade = m_design.GetPluginRecord(PluginRecordOwner, footprint) != before;
        m_shapeRefusal = Shape(footprint, remade, given);
    }
    return result;
}

// OK stored the footprint anew, so what the host does to it is done again.
std::string DialogSession::Shape(const std::string& footprint, bool remade, const FootprintExtras* given) {
    auto kept = given ? Result<FootprintExtras>(*given) : LoadExtras(m_design, footprint);
    if (!kept.ok()) return kept.error();
    FootprintExtras& extras = kept.value();
    // Made from other values than generate's: what the host added stays, the options go.
    const bool forget = !given && remade && !extras.madeFrom.empty();
    if (forget) extras.madeFrom.clear();
    auto notes = ShapeFootprint(m_design, footprint, extras, given ? ShapeCheck::Strict : ShapeCheck::Lenient);
    if (!notes.ok()) return notes.error();
    m_shapeNotes = notes.value();
    if ((given || forget) && !SaveExtras(m_design, footprint, extras))
        return "what " + footprint + " was made from could not be kept";
    return "";
}

std::string DialogSession::FailedWrite() const {
    return m_design.FailedWrites().empty() ? "" : m_design.FailedWrites().front();
}

bool DialogSession::Holds(const std::string& footprint) { return m_design.FindSymbol(footprint) != 0; }

std::string DialogSession::Keep() {
    if (m_design.Commit()) return "";
    Drop();
    return m_design.LastError();
}

void DialogSession::Drop() { m_design.Rollback(); }
