// Everything a dialog run of the plug-in needs around it: the design opened for this process
// alone, the plug-in module loaded, the window system set up, and one transaction that holds
// every run until the caller keeps or drops it.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/base/result.h"
#include "host/orvex/extras/footprint_extras.h"
#include "host/orvex/hosting/host_folder.h"
#include "host/orvex/hosting/plugin_library.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/transaction.h"
#include "platform/win/message_box.h"

class HeadlessDriver;

// The host's desktop when the command line names none and no display gives it a size.
constexpr int kDefaultScreenWidth = 1024, kDefaultScreenHeight = 768;

class DialogSession {
public:
    // Refuses, with a message naming what is wrong, before anything is written.
    static Result<std::unique_ptr<DialogSession>> Open(const std::string& designFile, const HostFolder& host,
                                                       int screenWidth, int screenHeight);
    ~DialogSession();
    DialogSession(const DialogSession&) = delete;
    DialogSession& operator=(const DialogSession&) = delete;

    // Refuses a name the host cannot keep whole: none, or over 255 characters.
    static Status NameUsable(const std::string& footprint);
    // Refuses a name the design already holds.
    Status NameFree(const std::string& footprint);
    // Refuses to reopen a footprint the design lacks or the plug-in did not make.
    Status Reopenable(const std::string& footprint);
    // The plug-in's answer, 1 for OK; the driver feeds the dialog its input. After OK the host
    // does its extras to the footprint the plug-in stored: `given` when the caller brings new
    // ones (generate, which keeps them), else those kept with the footprint (a reopen). Further
    // arrangements and pin padstacks are dialog runs of their own, headless (see
    // arrangement_builder.h). A footprint the dialog stored from other values no longer counts
    // as made from generate's options or from a package.
    int32_t Run(const std::string& footprint, HeadlessDriver& driver, const FootprintExtras* given = nullptr);
    // The same with whatever input source the window system has, a person's for one.
    int32_t Run(const std::string& footprint, const FootprintExtras* given = nullptr);
    // Whether the host did its extras to what the last run stored; a run refused here must not
    // be kept.
    const Status& ExtrasDone() const { return extrasDone_; }
    // What the last run's extras let pass but tell (an omitted name gone from the arrangement).
    const std::vector<std::string>& ExtrasNotes() const { return extrasNotes_; }
    // The message boxes the last run's dialog showed, the host's own runs for its extras apart.
    const std::vector<ShownMessageBox>& Boxes() const { return boxes_; }
    // Whether every write of the runs so far went through; refused with the first that failed.
    // A run with a failed write must not be kept: the plug-in does not look at the host's
    // answers, so it may have gone on.
    Status AllWritten() const;
    // Whether the design holds a footprint of that name now.
    bool Holds(const std::string& footprint);
    // The names of the padstacks the last run copied into the design from libraries: a page's
    // start takes one when the design has none to offer, the Select Padstack dialog keeps the one
    // it showed last on OK. They stay when the sheet is cancelled.
    std::vector<std::string> CopiedPadstacks();
    // Keeps what the runs wrote; refused, with nothing kept, when the design would not keep it.
    Status Keep();
    void Drop();
    const std::string& File() const { return file_; }
    // What the caller should tell about where the plug-in runs from, when it is not the host folder.
    const std::optional<std::string>& PluginNote() const { return pluginNote_; }
    zelmdb::DesignStore& Design() { return design_; }

private:
    DialogSession(std::string file, std::unique_ptr<PluginLibrary> plugin, zelmdb::DesignStore& design,
                  zelmdb::Transaction transaction)
        : file_(std::move(file)), plugin_(std::move(plugin)), design_(design), transaction_(std::move(transaction)) {}

    Status DoExtras(const std::string& footprint, bool remade, const FootprintExtras* given);

    std::string file_;
    std::optional<std::string> pluginNote_;
    std::unique_ptr<PluginLibrary> plugin_;
    zelmdb::DesignStore& design_;
    std::optional<zelmdb::Transaction> transaction_;   // none once kept or dropped
    int32_t lastPadstackBefore_ = 0;                    // the largest padstack id as the last run began
    Status extrasDone_;
    std::vector<std::string> extrasNotes_;
    std::vector<ShownMessageBox> boxes_;
};
