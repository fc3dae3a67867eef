// Everything a dialog run of the plug-in needs around it: the design opened for this process
// alone, the plug-in module loaded, the window system set up, and one transaction that holds
// every run until the caller keeps or drops it.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "host/orvex/extras/footprint_extras.h"
#include "host/orvex/hosting/plugin_library.h"
#include "host/zelmdb/design_store.h"
#include "host/base/result.h"

class HeadlessDriver;

// The host's desktop when the command line names none and no display gives it a size.
constexpr int kDefaultScreenWidth = 1024, kDefaultScreenHeight = 768;

class DialogSession {
public:
    // Refuses, with a message naming what is wrong, before anything is written.
    static Result<std::unique_ptr<DialogSession>> Open(const std::string& designFile,
                                                               const std::string& hostFolder, int screenWidth,
                                                               int screenHeight);
    ~DialogSession();
    DialogSession(const DialogSession&) = delete;
    DialogSession& operator=(const DialogSession&) = delete;

    // The refusal for a name the host cannot keep whole (none, or over 255 characters), or "".
    static std::string NameUnusable(const std::string& footprint);
    // The refusal for a name the design already holds, or "" when the name is free.
    std::string NameTaken(const std::string& footprint);
    // The refusal for reopening a footprint the design lacks or the plug-in did not make, or "".
    std::string NotReopenable(const std::string& footprint);
    // The plug-in's answer, 1 for OK; the driver feeds the dialog its input. After OK the host
    // shapes the footprint the plug-in stored: by `given` when the caller brings new extras
    // (generate, which keeps them), else by those kept with the footprint (a reopen). A footprint
    // the dialog stored from other values no longer counts as made from generate's options.
    int32_t Run(const std::string& footprint, HeadlessDriver& driver, const FootprintExtras* given = nullptr);
    // The same with whatever input source the window system has, a person's for one.
    int32_t Run(const std::string& footprint, const FootprintExtras* given = nullptr);
    // Why the host could not shape what the last run stored, "" when it did; such a run must
    // not be kept.
    const std::string& ShapeRefusal() const { return m_shapeRefusal; }
    // What the last run's shaping let pass but tells (an omitted name gone from the arrangement).
    const std::vector<std::string>& ShapeNotes() const { return m_shapeNotes; }
    // Why a write of the runs so far failed, "" when none did. A run with a failed write must
    // not be kept: the plug-in does not look at the host's answers, so it may have gone on.
    std::string FailedWrite() const;
    // Whether the design holds a footprint of that name now.
    bool Holds(const std::string& footprint);
    // Keeps what the runs wrote; the refusal when the design would not keep it (nothing is
    // kept then), "" when it did.
    std::string Keep();
    void Drop();
    const std::string& File() const { return m_file; }
    zelmdb::DesignStore& Design() { return m_design; }

private:
    DialogSession(std::string file, std::unique_ptr<PluginLibrary> plugin, zelmdb::DesignStore& design)
        : m_file(std::move(file)), m_plugin(std::move(plugin)), m_design(design) {}

    std::string Shape(const std::string& footprint, bool remade, const FootprintExtras* given);

    std::string m_file;
    std::unique_ptr<PluginLibrary> m_plugin;
    zelmdb::DesignStore& m_design;
    std::string m_shapeRefusal;
    std::vector<std::string> m_shapeNotes;
};
