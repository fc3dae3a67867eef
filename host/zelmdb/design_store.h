// One design or padstack library: an SQLite file with our application id and schema version.
//
// A store moves through these states:
//
//   closed   --Open, Create -------------------------------------------> reading
//   reading  --Begin --------------------------------------------------> writing
//   writing  --Commit: the writes are in the file ---------------------> committed, which is reading again
//   writing  --a Commit SQLite cannot save (in use, disk full) --------> writing, for a Rollback
//   writing  --Rollback -----------------------------------------------> reading
//   writing  --a write fails and SQLite ends the transaction itself ---> lost
//   lost     --Begin --------------------------------------------------> writing
//   any      --the destructor, which rolls back an open transaction ---> closed
//
// reading  Reads see what is committed. Each write is kept at once on its own; commands never
//          write so, they Begin first. Commit and Rollback refuse: there is nothing to end.
// writing  Every write joins the transaction and is kept only by Commit. A write that fails
//          is refused, noted in FailedWrites and reported to the host; the transaction goes on,
//          since the plug-in does not look at results, and a Transaction (transaction.h)
//          refuses to commit it. Begin refuses: transactions do not nest. No other program
//          can change the file meanwhile, so what a lookup read is kept until the end.
// lost     SQLite gave the transaction up after a failed write (a full disk, an I/O error), so
//          every write is refused until the next Begin: one kept on its own would be half a
//          change. Commit refuses; Rollback has nothing left to take back.
//
// Open and Create refuse what is not ours; see below.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/base/result.h"
#include "host/zelmdb/design_types.h"
#include "host/zelmdb/kept_answers.h"
#include "host/zelmdb/pad_form.h"
#include "host/zelmdb/record_layout.h"

struct sqlite3;

namespace zelmdb {

class SqliteStatement;
class StatementCache;

// The host's own error codes, as ComErrInt reports them; the number is the id concerned.
constexpr int ErrorNoIdLeft = 30001;
constexpr int ErrorInvalidRecord = 30002;
constexpr int ErrorWriteFailed = 30003;

class DesignStore {
public:
    static constexpr int ApplicationId = 0x4F525658;   // "ORVX"
    // 2: padstack layers carry the host's corner ratio and flags.
    // 3: padstacks name a form of the host's (pad_form.h), kept once in padstack_forms.
    // 4: indexes find a symbol by its name and the components and labels of a symbol, so that a
    //    footprint costs as much in a design of ten thousand as in an empty one.
    static constexpr int SchemaVersion = 4;
    // How long a statement waits for another program's lock before it says "in use".
    static constexpr int BusyTimeoutMs = 3000;
    // Every coordinate and size stays within this many units either way, so that the sum or
    // difference of any two (a width, a centre) is still a 32-bit number, and a value a
    // conversion saturated at the 32-bit ends is never taken for a place.
    static constexpr int32_t CoordinateLimit = (1 << 30) - 1;

    enum class Access { ReadOnly, ReadWrite };
    // Exclusive: no second orvex may hold the file meanwhile; the lock goes with the process.
    enum class Sharing { Shared, Exclusive };

    // Refuses an existing file other than an empty one; a failed or killed creation leaves no
    // file under the name.
    static Result<std::unique_ptr<DesignStore>> Create(const std::string& path, const DesignInfo& info);
    // Refuses, naming the file, what is not ours, damaged or of the wrong kind, in use by another
    // program, and for ReadWrite a file written by a newer orvex (naming both schema versions) and
    // a file or folder that cannot be written. A newer file opens for reading: see NewerNote. A
    // change left half-done by a stopped writer is rolled back first where the file may be written.
    static Result<std::unique_ptr<DesignStore>> Open(const std::string& path, Access access,
                                                     Sharing sharing,
                                                     std::optional<FileKind> expected = std::nullopt);
    ~DesignStore();
    DesignStore(const DesignStore&) = delete;
    DesignStore& operator=(const DesignStore&) = delete;

    const std::string& path() const { return path_; }
    const DesignInfo& info() const { return info_; }
    // For a file a newer orvex wrote, the words that say so, naming both schema versions; a
    // reader passes them on.
    std::optional<std::string> NewerNote() const;

    // A transaction holds every change until Commit; a crash or kill before it keeps nothing.
    // Exclusive keeps readers out too, so that no reader can stop the commit at its end. Read
    // is a reader's: it takes a writer's lock only at its first write, and until then the file
    // stays as it was, since no writer can commit meanwhile; the store reads it under one lock
    // and keeps what it looked up. The refusals name the file.
    enum class Lock { Read, Immediate, Exclusive };
    Status Begin(Lock lock = Lock::Immediate);
    Status Commit();
    // Whether there was a transaction to take back.
    bool Rollback();
    // Why writes of the current transaction failed, the first first; emptied by Begin. A failed
    // write is also reported as a host error as it happens.
    const std::vector<std::string>& FailedWrites() const { return failedWrites_; }

    // The id of the text, stored anew when no name holds it yet.
    Result<int32_t> NameCreate(const std::string& text);
    std::optional<std::string> NameText(int32_t id);

    // New ids; refused when no id is left (padstack and symbol ids are 16-bit in the records).
    Result<int32_t> NewPadstack();
    Result<int32_t> NewSymbol();
    Result<int32_t> NewComponent();
    Result<int32_t> NewLabel();

    // Every put and delete that fails is noted in FailedWrites too.
    Status PutPadstack(const Padstack& padstack);
    std::optional<Padstack> GetPadstack(int32_t id);
    // The lowest id of that name, whatever the padstack, 0 for none.
    int32_t FindPadstack(const std::string& name);
    // The newest padstack of that name that a padstack list offers, 0 for none: a copy taken in
    // from a library is the one its name finds, not an unlisted namesake. A list offers a
    // Listable pad on the top layer, or no pad there and one on the bottom layer.
    int32_t FindListedPadstack(const std::string& name);
    // The name id for a new padstack of that name: the name itself while no other padstack
    // holds it, else the first free "name~2", "name~3", ... (cut to fit a host name).
    Result<int32_t> FreePadstackName(int32_t nameId, int32_t forId);
    // The lowest named padstack of the same geometry and form as `padstack`, whatever its id and
    // name; 0 for none.
    int32_t FindSamePadstack(const Padstack& padstack);
    // Whether a padstack of that id was there and is gone.
    bool DeletePadstack(int32_t id);
    int32_t LastPadstackId();
    // The design record as DbGet hands it out; encoded again only after the padstack range may
    // have moved, since everything else in it is fixed while the design is open.
    const uint8_t* DesignRecordBytes() {
        const uint8_t* fresh = FreshRecordBytes();
        return fresh ? fresh : EncodeRecord();
    }
    // The record bytes when nothing has touched them since they were encoded; null otherwise.
    const uint8_t* FreshRecordBytes() const { return recordFresh_ ? record_.data() : nullptr; }
    std::vector<Padstack> Padstacks();
    // The id of the form, stored anew when the design holds no equal one; 0 for an empty form.
    Result<int32_t> StoreForm(const PadForm& form);
    // The form of that id, an empty one for 0; refused, naming the file, when the design lacks it
    // or it is damaged.
    Result<PadForm> Form(int32_t formId);

    Status PutSymbol(const Symbol& symbol);
    Status PutComponent(const Component& component);
    Status PutLabel(const Label& label);
    std::vector<Symbol> Symbols();
    // The footprint of that name: its symbol.
    std::optional<Symbol> SymbolNamed(const std::string& name);
    // The lowest symbol id of that name, 0 for none.
    int32_t FindSymbol(const std::string& name);
    // The symbol with its pins, and the components and labels standing on it; whether it was there.
    bool DeleteSymbol(int32_t id);
    std::vector<Component> Components();

    // A plug-in's own records, apart from the host's: any bytes under (owner, key).
    Status PutPluginRecord(const std::string& owner, const std::string& key, const std::string& data);
    std::optional<std::string> GetPluginRecord(const std::string& owner, const std::string& key);
    // Done too when there is no such record, or no table of them.
    Status DeletePluginRecord(const std::string& owner, const std::string& key);
    std::vector<Label> Labels();

    std::vector<Layer> Layers();
    int LayerNumber(const std::string& name);
    int FindColour(uint8_t kind, uint8_t subKind, uint8_t layer);
    std::optional<uint32_t> ColourValue(int index);

    // The SQL of every statement prepared on the file since it was opened (those that prepared).
    std::vector<std::string> PreparedStatements() const;

    // The comparison key of a padstack's geometry: sizes and shape of every layer, the rotation
    // only where the shape is not round, since rotation leaves a round pad unchanged, the host's
    // properties of each layer and its form, which is kept once, so that equal ids are equal forms.
    static std::string GeometryKey(const std::vector<LayerGeometry>& layers, int32_t formId);

private:
    enum class State { Reading, Writing, Lost };

    DesignStore(std::string path, sqlite3* db, int lockFd);
    static std::string NewerThanThis(const std::string& path, int version);
    static Status Populate(const std::string& path, const DesignInfo& info);
    Status Validate(std::optional<FileKind> expected, Access access);
    // Brings an older file up to SchemaVersion, all steps or none.
    Status Migrate();
    bool Exec(const char* sql);
    // Our own transaction holds the file, so no other program changes it meanwhile; SQLite may
    // end a transaction by itself after some errors.
    bool Held() const;
    // What was noted while the transaction held is forgotten at its end, whichever way it ended.
    void TakenBack();
    void ForgetPadstacks();
    void ForgetPadstack(int32_t id);
    void ForgetPadstackSearches();
    // SQLite's count of other connections' commits; none when it cannot be read.
    std::optional<int64_t> DataVersion();
    std::optional<Padstack> ReadPadstack(int32_t id);
    // Every change goes through one of these two; see TransactionLost.
    Status Write(SqliteStatement& statement);
    Status Write(const char* sql);
    bool TransactionLost();
    // Notes and reports a failed write; the failure, for the caller to return.
    Failure Failed(int code, int32_t number, const std::string& why);
    static bool Within(int32_t coordinate);
    static std::string Place(const std::string& what, int32_t x, int32_t y);
    Failure BeyondLimit(const std::string& what);
    Failure OnNoSymbol(const char* what, int32_t id, int32_t symbolId);
    bool PadstackExists(int32_t id);
    bool FormExists(int32_t id);
    bool SymbolExists(int32_t id);
    Result<int32_t> Insert(const char* sql, int32_t maxId);
    // The symbols whose heads (id, name, centre) the statement reads, with their pins.
    std::vector<Symbol> ReadSymbols(SqliteStatement& heads);
    void NotePadstackId(int32_t id);
    // The only way lastPadstackId_ changes: each change leaves record_ to be encoded again.
    void SetLastPadstackId(std::optional<int32_t> id);
    const uint8_t* EncodeRecord();

    std::string path_;
    sqlite3* db_ = nullptr;
    int lockFd_ = -1;
    DesignInfo info_;
    State state_ = State::Reading;
    std::vector<std::string> failedWrites_;
    std::unique_ptr<StatementCache> statements_;
    int schemaVersion_ = SchemaVersion;
    // The largest padstack id, asked for with every design record the plug-in reads. Kept only
    // inside our own transaction, which keeps every other writer out; forgotten at its end,
    // since a rollback takes back what was noted in it.
    std::optional<int32_t> lastPadstackId_;
    std::array<uint8_t, DbRecordLayout::Size> record_{};
    bool recordFresh_ = false;   // record_ holds lastPadstackId_, which no change has touched since
    // A footprint looks up the same padstacks, names, layers and colours for every pin; while
    // the transaction holds, what was read once is kept, and a change of a padstack forgets
    // every padstack answer.
    KeptAnswers<int32_t, std::optional<Padstack>> padstacks_;
    KeptAnswers<std::string, int32_t> namedPadstacks_, listedPadstacks_, samePadstacks_;
    KeptAnswers<std::string, Result<int32_t>> nameIds_;
    KeptAnswers<int32_t, std::optional<std::string>> nameTexts_;
    KeptAnswers<std::string, int> layerNumbers_;
    KeptAnswers<uint32_t, int> colourIds_;
    KeptAnswers<int, std::optional<uint32_t>> colourValues_;
    bool pluginTableHeld_ = false;   // plugin_records is there, in this transaction
    // The data version the kept answers were read at; none once they may be out of date.
    std::optional<int64_t> keptVersion_;
};

const char* FileKindName(FileKind kind);

}  // namespace zelmdb
