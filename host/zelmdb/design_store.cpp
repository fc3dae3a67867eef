// The SQLite side of a design or library; see design_store.h.
#include "host/zelmdb/design_store.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <set>

#include "host/zelmdb/design_defaults.h"
#include "host/zelmdb/file_access.h"
#include "host/zelmdb/host_environment.h"
#include "host/zelmdb/record_codec.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/schema_check.h"
#include "host/zelmdb/sqlite_statement.h"
#include "host/zelmdb/statement_cache.h"
#include "platform/win/whole_file.h"

namespace zelmdb {

namespace {

const char* const Schema = R"sql(
CREATE TABLE design(id INTEGER PRIMARY KEY CHECK (id = 1), kind TEXT NOT NULL,
                    unit_code INTEGER NOT NULL, inches_per_unit REAL NOT NULL,
                    layer_count INTEGER NOT NULL, flags INTEGER NOT NULL,
                    component_a INTEGER NOT NULL, component_b INTEGER NOT NULL);
CREATE TABLE names(id INTEGER PRIMARY KEY, text TEXT NOT NULL UNIQUE);
CREATE TABLE padstacks(id INTEGER PRIMARY KEY, name_id INTEGER NOT NULL DEFAULT 0,
                       geometry BLOB NOT NULL DEFAULT x'', form_id INTEGER NOT NULL DEFAULT 0);
CREATE TABLE padstack_forms(id INTEGER PRIMARY KEY, data BLOB NOT NULL UNIQUE);
CREATE INDEX padstacks_by_geometry ON padstacks(geometry, id);
CREATE INDEX padstacks_by_name ON padstacks(name_id, id);
CREATE TABLE padstack_layers(padstack_id INTEGER NOT NULL, layer INTEGER NOT NULL,
                             width1 INTEGER NOT NULL, height1 INTEGER NOT NULL,
                             width2 INTEGER NOT NULL, height2 INTEGER NOT NULL,
                             shape INTEGER NOT NULL, rotation INTEGER NOT NULL,
                             corner_ratio INTEGER NOT NULL DEFAULT 0,
                             host_flags INTEGER NOT NULL DEFAULT 0,
                             PRIMARY KEY (padstack_id, layer)) WITHOUT ROWID;
CREATE TABLE symbols(id INTEGER PRIMARY KEY, name_id INTEGER NOT NULL DEFAULT 0,
                     center_x INTEGER NOT NULL DEFAULT 0, center_y INTEGER NOT NULL DEFAULT 0);
CREATE INDEX symbols_by_name ON symbols(name_id, id);
CREATE TABLE pins(symbol_id INTEGER NOT NULL, number INTEGER NOT NULL, name_id INTEGER NOT NULL,
                  x INTEGER NOT NULL, y INTEGER NOT NULL, padstack_id INTEGER NOT NULL,
                  PRIMARY KEY (symbol_id, number)) WITHOUT ROWID;
CREATE TABLE components(id INTEGER PRIMARY KEY, name_id INTEGER NOT NULL DEFAULT 0,
                        value_a INTEGER NOT NULL DEFAULT 0, value_b INTEGER NOT NULL DEFAULT 0,
                        symbol_id INTEGER NOT NULL DEFAULT 0);
CREATE INDEX components_by_symbol ON components(symbol_id);
CREATE TABLE texts(id INTEGER PRIMARY KEY, line_width INTEGER NOT NULL DEFAULT 0,
                   height INTEGER NOT NULL DEFAULT 0, x INTEGER NOT NULL DEFAULT 0,
                   y INTEGER NOT NULL DEFAULT 0, symbol_id INTEGER NOT NULL DEFAULT 0,
                   layer INTEGER NOT NULL DEFAULT 0, kind INTEGER NOT NULL DEFAULT 0,
                   text TEXT NOT NULL DEFAULT '');
CREATE INDEX texts_by_symbol ON texts(symbol_id);
CREATE TABLE layers(number INTEGER PRIMARY KEY, name TEXT NOT NULL);
CREATE TABLE colours(id INTEGER PRIMARY KEY, kind INTEGER NOT NULL, sub_kind INTEGER NOT NULL,
                     layer INTEGER NOT NULL, value INTEGER NOT NULL,
                     UNIQUE (kind, sub_kind, layer));
CREATE TABLE plugin_records(owner TEXT NOT NULL, key TEXT NOT NULL, data BLOB NOT NULL,
                            PRIMARY KEY (owner, key)) WITHOUT ROWID;
)sql";

// What brings a file of the version before `version` up to it; a file opened for writing goes
// through every step above its own version, in one transaction.
struct Migration {
    int version;
    const char* sql;
};
const Migration Migrations[] = {
    {2, "ALTER TABLE padstack_layers ADD COLUMN corner_ratio INTEGER NOT NULL DEFAULT 0;"
        "ALTER TABLE padstack_layers ADD COLUMN host_flags INTEGER NOT NULL DEFAULT 0;"},
    // A padstack without a form keeps its geometry key, so none is computed again.
    {3, "ALTER TABLE padstacks ADD COLUMN form_id INTEGER NOT NULL DEFAULT 0;"
        "CREATE TABLE padstack_forms(id INTEGER PRIMARY KEY, data BLOB NOT NULL UNIQUE);"},
    {4, "CREATE INDEX IF NOT EXISTS symbols_by_name ON symbols(name_id, id);"
        "CREATE INDEX IF NOT EXISTS components_by_symbol ON components(symbol_id);"
        "CREATE INDEX IF NOT EXISTS texts_by_symbol ON texts(symbol_id);"},
};
// The tables and columns each migration adds, which a file below its version lacks until it is
// written.
struct Added {
    int version;
    const char* what;   // "table" or "table.column"
};
const Added AddedParts[] = {{2, "padstack_layers.corner_ratio"},
                            {2, "padstack_layers.host_flags"},
                            {3, "padstacks.form_id"},
                            {3, "padstack_forms"}};

static_assert(std::size(Migrations) == size_t(DesignStore::SchemaVersion - 1), "one migration per version");

constexpr int32_t MaxPadstackId = 32767;
constexpr int32_t MaxSymbolId = 65535;
constexpr int32_t MaxRowId = 0x7FFFFFFF;

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

int PragmaInt(sqlite3* db, const char* sql, bool* ok) {
    SqliteStatement st(db, sql);
    if (!st.Step()) {
        *ok = false;
        return 0;
    }
    return int(st.Int(0));
}

// The file and the journal SQLite may have left beside it.
void RemoveDatabaseFiles(const std::string& path) {
    ::unlink(path.c_str());
    ::unlink((path + "-journal").c_str());
}

void AppendI32(std::string& key, int32_t v) {
    for (int i = 0; i < 4; ++i) key.push_back(char(uint32_t(v) >> (8 * i)));
}

}  // namespace

const char* FileKindName(FileKind kind) { return kind == FileKind::Design ? "design" : "library"; }

std::string DesignStore::NewerThanThis(const std::string& path, int version) {
    return path + " was written by a newer orvex (schema " + std::to_string(version) + "; this one knows schema " +
           std::to_string(SchemaVersion) + ")";
}

std::optional<std::string> DesignStore::NewerNote() const {
    if (schemaVersion_ <= SchemaVersion) return std::nullopt;
    return NewerThanThis(path_, schemaVersion_) + ": it is read as far as this one knows it, and never written";
}

DesignStore::DesignStore(std::string path, sqlite3* db, int lockFd)
    : path_(std::move(path)), db_(db), lockFd_(lockFd), statements_(std::make_unique<StatementCache>(db)) {
    // SQLite may end our transaction by itself after an error, taking back padstacks the record
    // counts; it calls this then, so the record need not ask on every read whether that happened.
    sqlite3_rollback_hook(db_, [](void* store) { static_cast<DesignStore*>(store)->TakenBack(); }, this);
}

DesignStore::~DesignStore() {
    // An open transaction is dropped, as a crash would drop it.
    if (state_ == State::Writing) Exec("ROLLBACK");
    statements_->Clear();   // SQLite closes no file with a statement still prepared
    sqlite3_close(db_);
    if (lockFd_ >= 0) ::close(lockFd_);
}

Result<std::unique_ptr<DesignStore>> DesignStore::Create(const std::string& path,
                                                         const DesignInfo& info) {
    using R = Result<std::unique_ptr<DesignStore>>;
    // An empty file holds nothing to lose; it is what a creation killed before this one left.
    struct stat st;
    const bool replace = ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size == 0;
    if (!replace && FileExists(path)) return R::Fail(path + " already exists");
    // The file is made under a name of its own and takes its name only when whole, so a kill
    // leaves no half-made design under the name, only a hidden temporary beside it.
    std::string temp = TemporaryNameBeside(path);
    while (FileExists(temp)) temp = TemporaryNameBeside(path);   // one a killed process left
    if (Status populated = Populate(temp, info); !populated.ok()) {
        RemoveDatabaseFiles(temp);
        return R::Fail(path + ": cannot create (" + populated.error() + ")");
    }
    // A link, unlike a rename, never replaces a design that appeared meanwhile.
    const bool placed = replace ? ::rename(temp.c_str(), path.c_str()) == 0 : ::link(temp.c_str(), path.c_str()) == 0;
    const int error = errno;
    RemoveDatabaseFiles(temp);
    if (!placed) {
        return R::Fail(error == EEXIST ? path + " already exists"
                                       : path + ": cannot create (" + std::strerror(error) + ")");
    }
    return Open(path, Access::ReadWrite, Sharing::Shared);
}

// Writes the schema and the design record into a new file; the refusal is SQLite's own words.
Status DesignStore::Populate(const std::string& path, const DesignInfo& info) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        const Failure why{sqlite3_errmsg(db)};
        sqlite3_close(db);
        return why;
    }
    DesignStore store(path, db, -1);
    store.info_ = info;
    bool ok = store.Exec("BEGIN") && store.Exec(Schema);
    char pragmas[128];
    std::snprintf(pragmas, sizeof pragmas, "PRAGMA application_id = %d; PRAGMA user_version = %d;",
                  ApplicationId, SchemaVersion);
    ok = ok && store.Exec(pragmas);
    SqliteStatement design(db,
                           "INSERT INTO design VALUES (1, ?, ?, ?, ?, ?, ?, ?)");
    design.Bind(1, std::string(FileKindName(info.kind)))
        .Bind(2, int64_t(info.unitCode))
        .Bind(3, info.inchesPerUnit)
        .Bind(4, int64_t(info.layerCount))
        .Bind(5, int64_t(info.flags))
        .Bind(6, int64_t(info.componentA))
        .Bind(7, int64_t(info.componentB));
    ok = ok && design.Run();
    const std::vector<Layer> layers = DefaultLayers(info.layerCount);
    SqliteStatement layer(db, "INSERT INTO layers VALUES (?, ?)");
    for (const auto& l : layers) {
        ok = ok && layer.Bind(1, int64_t(l.number)).Bind(2, l.name).Run();
        layer.Reset();
    }
    SqliteStatement colour(db, "INSERT INTO colours(kind, sub_kind, layer, value) VALUES (?,?,?,?)");
    for (const auto& c : DefaultColours(layers)) {
        ok = ok && colour.Bind(1, int64_t(c.kind)).Bind(2, int64_t(c.subKind))
                       .Bind(3, int64_t(c.layer)).Bind(4, int64_t(c.value)).Run();
        colour.Reset();
    }
    ok = ok && store.Exec("COMMIT");
    if (!ok) return Failure{sqlite3_errmsg(db)};
    return {};
}

Result<std::unique_ptr<DesignStore>> DesignStore::Open(const std::string& path, Access access,
                                                       Sharing sharing,
                                                       std::optional<FileKind> expected) {
    using R = Result<std::unique_ptr<DesignStore>>;
    TRY(CheckHeader(path));
    if (access == Access::ReadWrite) TRY(Writable(path));
    int lockFd = -1;
    if (sharing == Sharing::Exclusive) {
        // flock is apart from SQLite's own fcntl locks and is released when the process ends,
        // however it ends; a second orvex is refused at once instead of waiting.
        lockFd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (lockFd < 0 || ::flock(lockFd, LOCK_EX | LOCK_NB) != 0) {
            const bool busy = lockFd >= 0 && errno == EWOULDBLOCK;
            if (lockFd >= 0) ::close(lockFd);
            return R::Fail(busy ? path + " is open in another orvex; close it there first"
                                : path + ": cannot open (" + std::strerror(errno) + ")");
        }
    }
    // A journal left by a stopped writer is rolled back only by a connection that may write, so
    // a reader takes one where it can; it writes nothing itself.
    const bool write = access == Access::ReadWrite || (HasJournal(path) && Writable(path).ok());
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, write ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        std::string message = path + ": cannot open (" + sqlite3_errmsg(db) + ")";
        sqlite3_close(db);
        if (lockFd >= 0) ::close(lockFd);
        return R::Fail(message);
    }
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    std::unique_ptr<DesignStore> store(new DesignStore(path, db, lockFd));
    TRY(store->Validate(expected, access));
    // SQLite opens a file it may not write for reading without a word; a writer must know now.
    if (access == Access::ReadWrite && sqlite3_db_readonly(db, "main") == 1) {
        return R::Fail(path + " cannot be written (SQLite opened it read-only)");
    }
    if (access == Access::ReadWrite) TRY(store->Migrate());
    return R(std::move(store));
}

Status DesignStore::Validate(std::optional<FileKind> expected, Access access) {
    bool ok = true;
    const int appId = PragmaInt(db_, "PRAGMA application_id", &ok);
    if (!ok) return Failure{Trouble(path_, db_, "is damaged")};
    if (appId != ApplicationId) {
        return Failure{path_ + " is not an Orvex design or library (a foreign SQLite file)"};
    }
    const int version = PragmaInt(db_, "PRAGMA user_version", &ok);
    if (!ok || version < 1) return Failure{path_ + " is damaged (no schema version)"};
    // What a newer orvex keeps may rely on what this one does not know to keep, so only its
    // readers open such a file.
    if (version > SchemaVersion && access == Access::ReadWrite)
        return Failure{NewerThanThis(path_, version) + ", which this one never writes; nothing was changed"};
    schemaVersion_ = version;
    {
        // A writer relies on the indexes to find names and keep them unique, so it has them
        // checked against their tables too; a reader only needs the pages whole.
        SqliteStatement check(db_, access == Access::ReadWrite ? "PRAGMA integrity_check(1)" : "PRAGMA quick_check(1)");
        if (!check.Step()) return Failure{Trouble(path_, db_, "is damaged")};
        if (check.Text(0) != "ok") return Failure{path_ + " is damaged (" + check.Text(0) + ")"};
    }
    std::vector<std::string_view> mayLack{"plugin_records"};
    for (const Added& added : AddedParts)
        if (added.version > version) mayLack.push_back(added.what);
    if (Status matches = CheckSchema(db_, Schema, mayLack); !matches.ok()) {
        return Failure{path_ + " is damaged (" + matches.error() + ")"};
    }
    SqliteStatement design(db_, "SELECT kind, unit_code, inches_per_unit, layer_count, flags, "
                                "component_a, component_b FROM design WHERE id = 1");
    if (!design.Step()) return Failure{path_ + " is damaged (no design record)"};
    const std::string kind = design.Text(0);
    if (kind != "design" && kind != "library") {
        return Failure{path_ + " is damaged (unknown kind '" + kind + "')"};
    }
    info_.kind = kind == "design" ? FileKind::Design : FileKind::Library;
    info_.unitCode = int(design.Int(1));
    info_.inchesPerUnit = design.Real(2);
    info_.layerCount = int(design.Int(3));
    info_.flags = uint8_t(design.Int(4));
    info_.componentA = int32_t(design.Int(5));
    info_.componentB = int32_t(design.Int(6));
    if (info_.layerCount < MinLayerCount || info_.layerCount > MaxLayers || !(info_.inchesPerUnit > 0)) {
        return Failure{path_ + " is damaged (impossible design record)"};
    }
    if (expected && *expected != info_.kind) {
        return Failure{path_ + " is a " + FileKindName(info_.kind) + ", not a " +
                       (*expected == FileKind::Design ? "design" : "padstack library")};
    }
    return {};
}

Status DesignStore::Migrate() {
    if (schemaVersion_ >= SchemaVersion) return {};
    bool ok = Exec("BEGIN IMMEDIATE");
    for (const Migration& m : Migrations) {
        if (m.version > schemaVersion_) ok = ok && Exec(m.sql);
    }
    const std::string version = "PRAGMA user_version = " + std::to_string(SchemaVersion);
    ok = ok && Exec(version.c_str()) && Exec("COMMIT");
    if (!ok) {
        const std::string step = "cannot be brought up to schema " + std::to_string(SchemaVersion);
        const Failure why{Trouble(path_, db_, step.c_str())};
        Exec("ROLLBACK");
        return why;
    }
    schemaVersion_ = SchemaVersion;
    return {};
}

bool DesignStore::Exec(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

Status DesignStore::Begin(Lock lock) {
    if (state_ == State::Writing) return Failure{path_ + ": a transaction is already open"};
    failedWrites_.clear();
    static constexpr const char* kBegin[] = {"BEGIN; SELECT 1 FROM design", "BEGIN IMMEDIATE", "BEGIN EXCLUSIVE"};
    // A deferred transaction takes its lock at the first read, which the reader's makes at once.
    if (!Exec(kBegin[int(lock)])) {
        const Failure why{Trouble(path_, db_, lock == Lock::Read ? "cannot be read" : "cannot be written")};
        if (sqlite3_get_autocommit(db_) == 0) Exec("ROLLBACK");
        state_ = State::Reading;
        return why;
    }
    state_ = State::Writing;
    // What our last transaction kept is still true while no other connection has committed.
    const std::optional<int64_t> version = DataVersion();
    if (!version || version != keptVersion_) TakenBack();
    keptVersion_ = version;
    return {};
}

std::optional<int64_t> DesignStore::DataVersion() {
    auto version = statements_->Use("PRAGMA data_version");
    if (!version->Step()) return std::nullopt;
    return version->Int(0);
}

Status DesignStore::Commit() {
    if (state_ == State::Writing) TransactionLost();
    if (state_ != State::Writing) TakenBack();
    switch (state_) {
    case State::Reading: return Failure{path_ + ": no transaction is open"};
    case State::Lost: return Failure{failedWrites_.front()};
    case State::Writing: break;
    }
    if (!Exec("COMMIT")) {
        TakenBack();
        return Failure{Trouble(path_, db_, "could not be saved")};
    }
    // The answers stay, for the next transaction to take up if the file is still as we left it.
    state_ = State::Reading;
    return {};
}

bool DesignStore::Rollback() {
    TakenBack();
    // After SQLite ended the transaction itself there is nothing left to take back.
    if (state_ != State::Writing) return state_ == State::Lost;
    state_ = State::Reading;
    return Exec("ROLLBACK");
}

bool DesignStore::Held() const { return state_ == State::Writing && sqlite3_get_autocommit(db_) == 0; }

void DesignStore::TakenBack() {
    keptVersion_.reset();
    SetLastPadstackId(std::nullopt);
    ForgetPadstacks();
    nameIds_.Forget();
    nameTexts_.Forget();
    layerNumbers_.Forget();
    colourIds_.Forget();
    colourValues_.Forget();
    pluginTableHeld_ = false;
}

void DesignStore::ForgetPadstacks() {
    padstacks_.Forget();
    ForgetPadstackSearches();
}

// A padstack's record is read by its id alone; what finds padstacks by name or geometry may
// find another one after any change.
void DesignStore::ForgetPadstack(int32_t id) {
    padstacks_.Forget(id);
    ForgetPadstackSearches();
}

void DesignStore::ForgetPadstackSearches() {
    namedPadstacks_.Forget();
    listedPadstacks_.Forget();
    samePadstacks_.Forget();
}

std::vector<std::string> DesignStore::PreparedStatements() const { return statements_->Texts(); }

Status DesignStore::Write(SqliteStatement& statement) {
    // A change outside our transaction is one the next transaction's answers cannot know of.
    if (!Held()) TakenBack();
    if (TransactionLost()) return Failure{failedWrites_.front()};
    if (statement.Run()) return {};
    return Failed(ErrorWriteFailed, 0, Trouble(path_, db_, "could not be written"));
}

Status DesignStore::Write(const char* sql) {
    if (!Held()) TakenBack();
    if (TransactionLost()) return Failure{failedWrites_.front()};
    if (Exec(sql)) return {};
    return Failed(ErrorWriteFailed, 0, Trouble(path_, db_, "could not be written"));
}

// SQLite ends a transaction by itself after some failures (a full disk, an I/O error); from then
// on every statement would be kept on its own, half a footprint among them. So once that has
// happened nothing more is written until the next Begin.
bool DesignStore::TransactionLost() {
    if (state_ == State::Writing && sqlite3_get_autocommit(db_) != 0) {
        state_ = State::Lost;
        Failed(ErrorWriteFailed, 0, path_ + ": SQLite gave up the changes after a failed write; none of them is kept");
    }
    return state_ == State::Lost;
}

Failure DesignStore::Failed(int code, int32_t number, const std::string& why) {
    failedWrites_.push_back(why);
    HostEnvironment::Get().Report(code, number, why);
    return Failure{why};
}

Result<int32_t> DesignStore::NameCreate(const std::string& text) {
    const auto findOrAdd = [&]() -> Result<int32_t> {
        auto find = statements_->Use("SELECT id FROM names WHERE text = ?");
        if (find->Bind(1, text).Step()) return int32_t(find->Int(0));
        // A padstack stored with the id of a name not made yet is found by that name from now on.
        ForgetPadstackSearches();
        auto add = statements_->Use("INSERT INTO names(text) VALUES (?)");
        TRY(Write(add->Bind(1, text)));
        return int32_t(sqlite3_last_insert_rowid(db_));
    };
    return nameIds_.Find(Held(), text, findOrAdd, [](const Result<int32_t>& id) { return id.ok(); });
}

std::optional<std::string> DesignStore::NameText(int32_t id) {
    const auto read = [&]() -> std::optional<std::string> {
        auto find = statements_->Use("SELECT text FROM names WHERE id = ?");
        if (!find->Bind(1, int64_t(id)).Step()) return std::nullopt;
        return find->Text(0);
    };
    // A name is never changed, but an id that names nothing yet may name one soon.
    return nameTexts_.Find(Held(), id, read, [](const auto& text) { return text.has_value(); });
}

Result<int32_t> DesignStore::Insert(const char* sql, int32_t maxId) {
    auto add = statements_->Use(sql);
    TRY(Write(*add));
    const int64_t id = sqlite3_last_insert_rowid(db_);
    if (id > maxId)
        return Failed(ErrorNoIdLeft, maxId, path_ + ": the new id " + std::to_string(id) + " is above " +
                                                std::to_string(maxId) + ", the largest a record holds");
    return int32_t(id);
}

// New ids stand above every id there is, so an id range can tell new objects from old ones;
// the records hold padstack and symbol ids in 16 bits, which ends the range.
Result<int32_t> DesignStore::NewPadstack() {
    if (const int32_t last = LastPadstackId(); last >= MaxPadstackId) {
        return Failed(ErrorNoIdLeft, last, path_ + ": no padstack id is left (the design holds padstack " +
                                               std::to_string(last) + ")");
    }
    Result<int32_t> id = Insert("INSERT INTO padstacks(name_id) VALUES (0)", MaxPadstackId);
    NotePadstackId(id.ok() ? id.value() : 0);
    if (id.ok()) {
        ForgetPadstack(id.value());
    } else {
        ForgetPadstacks();
    }
    return id;
}

Result<int32_t> DesignStore::NewSymbol() {
    auto last = statements_->Use("SELECT coalesce(max(id), 0) FROM symbols");
    if (last->Step() && last->Int(0) >= MaxSymbolId) {
        return Failed(ErrorNoIdLeft, int32_t(last->Int(0)), path_ + ": no symbol id is left (the design holds symbol " +
                                                                std::to_string(last->Int(0)) + ")");
    }
    return Insert("INSERT INTO symbols DEFAULT VALUES", MaxSymbolId);
}

Result<int32_t> DesignStore::NewComponent() { return Insert("INSERT INTO components DEFAULT VALUES", MaxRowId); }
Result<int32_t> DesignStore::NewLabel() { return Insert("INSERT INTO texts DEFAULT VALUES", MaxRowId); }

std::string DesignStore::GeometryKey(const std::vector<LayerGeometry>& layers, int32_t formId) {
    std::string key;
    key.reserve(layers.size() * 19);
    for (const auto& l : layers) {
        AppendI32(key, l.width1);
        AppendI32(key, l.height1);
        AppendI32(key, l.width2);
        AppendI32(key, l.height2);
        key.push_back(char(l.shape));
        const int16_t rotation = TurnsWithRotation(l.shape) ? l.rotation : 0;
        key.push_back(char(uint16_t(rotation) & 0xFF));
        key.push_back(char(uint16_t(rotation) >> 8));
    }
    // Host properties follow only for the layers that have any, so a padstack without them keeps
    // the key that files written before them hold, and a rounded pad never matches a sharp one.
    for (size_t i = 0; i < layers.size(); ++i) {
        const LayerGeometry& l = layers[i];
        if (l.cornerRatio == 0 && l.hostFlags == 0) continue;
        key.push_back(char(i + 1));
        key.push_back(char(l.cornerRatio & 0xFF));
        key.push_back(char(l.cornerRatio >> 8));
        key.push_back(char(l.hostFlags));
    }
    // Layer numbers above stop below 65, so the form's mark cannot be read as a layer's.
    if (formId != 0) {
        key.push_back(char(0xFF));
        AppendI32(key, formId);
    }
    return key;
}

Status DesignStore::PutPadstack(const Padstack& p) {
    if (p.id <= 0 || p.id > MaxPadstackId) {
        return Failed(ErrorInvalidRecord, p.id, path_ + ": padstack id " + std::to_string(p.id) +
                                                    " is outside 1 to " + std::to_string(MaxPadstackId));
    }
    if (p.formId != 0 && !FormExists(p.formId)) {
        return Failed(ErrorInvalidRecord, p.id, path_ + ": padstack " + std::to_string(p.id) + " would carry form " +
                                                    std::to_string(p.formId) + ", which the design does not hold");
    }
    for (const LayerGeometry& l : p.layers) {
        for (const int32_t part : {l.width1, l.height1, l.width2, l.height2}) {
            if (!Within(part))
                return BeyondLimit("padstack " + std::to_string(p.id) + " would have a size of " +
                                   std::to_string(part) + " units");
        }
    }
    ForgetPadstack(p.id);
    auto put = statements_->Use("INSERT OR REPLACE INTO padstacks(id, name_id, geometry, form_id) VALUES (?,?,?,?)");
    const Status stored = Write(put->Bind(1, int64_t(p.id)).Bind(2, int64_t(p.nameId))
                                    .BindBlob(3, GeometryKey(p.layers, p.formId)).Bind(4, int64_t(p.formId)));
    // A put may bring in an id that was never created.
    NotePadstackId(stored.ok() ? p.id : 0);
    TRY(stored);
    auto clear = statements_->Use("DELETE FROM padstack_layers WHERE padstack_id = ?");
    TRY(Write(clear->Bind(1, int64_t(p.id))));
    auto layer = statements_->Use("INSERT INTO padstack_layers VALUES (?,?,?,?,?,?,?,?,?,?)");
    for (size_t i = 0; i < p.layers.size(); ++i) {
        const LayerGeometry& l = p.layers[i];
        if (l == LayerGeometry{}) continue;   // an empty layer is the absence of a row
        layer->Bind(1, int64_t(p.id)).Bind(2, int64_t(i + 1)).Bind(3, int64_t(l.width1))
            .Bind(4, int64_t(l.height1)).Bind(5, int64_t(l.width2)).Bind(6, int64_t(l.height2))
            .Bind(7, int64_t(l.shape)).Bind(8, int64_t(l.rotation)).Bind(9, int64_t(l.cornerRatio))
            .Bind(10, int64_t(l.hostFlags));
        TRY(Write(*layer));
        layer->Reset();
    }
    return {};
}

std::optional<Padstack> DesignStore::GetPadstack(int32_t id) {
    return padstacks_.Find(Held(), id, [&] { return ReadPadstack(id); });
}

std::optional<Padstack> DesignStore::ReadPadstack(int32_t id) {
    // A file before schema 3, open only for reading, has no forms: each reads as none.
    auto head = statements_->Use(schemaVersion_ >= 3 ? "SELECT name_id, form_id FROM padstacks WHERE id = ?"
                                                     : "SELECT name_id, 0 FROM padstacks WHERE id = ?");
    if (!head->Bind(1, int64_t(id)).Step()) return std::nullopt;
    Padstack p;
    p.id = id;
    p.nameId = int32_t(head->Int(0));
    p.formId = int32_t(head->Int(1));
    p.layers.resize(size_t(info_.layerCount));
    // A file of schema 1, open only for reading, has no host properties: they read as none.
    auto layers = statements_->Use(schemaVersion_ >= 2
                                    ? "SELECT layer, width1, height1, width2, height2, shape, rotation, "
                                      "corner_ratio, host_flags FROM padstack_layers WHERE padstack_id = ?"
                                    : "SELECT layer, width1, height1, width2, height2, shape, rotation, 0, 0 "
                                      "FROM padstack_layers WHERE padstack_id = ?");
    layers->Bind(1, int64_t(id));
    while (layers->Step()) {
        const int64_t n = layers->Int(0);
        if (n < 1 || n > info_.layerCount) continue;
        LayerGeometry& l = p.layers[size_t(n - 1)];
        l.width1 = int32_t(layers->Int(1));
        l.height1 = int32_t(layers->Int(2));
        l.width2 = int32_t(layers->Int(3));
        l.height2 = int32_t(layers->Int(4));
        l.shape = PadShape(layers->Int(5));
        l.rotation = int16_t(layers->Int(6));
        l.cornerRatio = uint16_t(layers->Int(7));
        l.hostFlags = uint8_t(layers->Int(8));
    }
    return p;
}

int32_t DesignStore::FindPadstack(const std::string& name) {
    return namedPadstacks_.Find(Held(), name, [&] {
        auto find = statements_->Use("SELECT p.id FROM padstacks p JOIN names n ON n.id = p.name_id "
                                     "WHERE n.text = ? ORDER BY p.id LIMIT 1");
        return find->Bind(1, name).Step() ? int32_t(find->Int(0)) : 0;
    });
}

int32_t DesignStore::FindListedPadstack(const std::string& name) {
    return listedPadstacks_.Find(Held(), name, [&] {
        // An empty layer has no row and reads as no shape. The rule is Listable's, layer 1 first.
        auto find = statements_->Use(
            "SELECT p.id FROM padstacks p JOIN names n ON n.id = p.name_id "
            "LEFT JOIN padstack_layers t ON t.padstack_id = p.id AND t.layer = ?2 "
            "LEFT JOIN padstack_layers b ON b.padstack_id = p.id AND b.layer = ?3 "
            "WHERE n.text = ?1 AND CASE coalesce(t.shape, ?4) WHEN ?4 THEN coalesce(b.shape, ?4) <> ?4 "
            "ELSE t.shape NOT BETWEEN ?5 AND ?6 END ORDER BY p.id DESC LIMIT 1");
        find->Bind(1, name).Bind(2, int64_t(PadLayer::Top)).Bind(3, int64_t(PadLayer::Bottom));
        find->Bind(4, int64_t(PadShape::None)).Bind(5, int64_t(FirstHostShape)).Bind(6, int64_t(LastHostShape));
        return find->Step() ? int32_t(find->Int(0)) : 0;
    });
}

Result<int32_t> DesignStore::FreePadstackName(int32_t nameId, int32_t forId) {
    const auto heldByAnother = [&](const std::string& text) {
        auto find = statements_->Use("SELECT 1 FROM padstacks p JOIN names n ON n.id = p.name_id "
                                  "WHERE n.text = ? AND p.id <> ? LIMIT 1");
        return find->Bind(1, text).Bind(2, int64_t(forId)).Step();
    };
    const std::optional<std::string> text = NameText(nameId);
    if (!text || !heldByAnother(*text)) return nameId;
    for (int n = 2;; ++n) {
        const std::string mark = std::string(1, '~').append(std::to_string(n));
        const std::string name = text->substr(0, TextMax - 1 - mark.size()) + mark;
        if (!heldByAnother(name)) return NameCreate(name);
    }
}

int32_t DesignStore::FindSamePadstack(const Padstack& padstack) {
    const std::string key = GeometryKey(padstack.layers, padstack.formId);
    return samePadstacks_.Find(Held(), key, [&] {
        auto find = statements_->Use("SELECT id FROM padstacks WHERE geometry = ? AND name_id <> 0 "
                                     "ORDER BY id LIMIT 1");
        return find->BindBlob(1, key).Step() ? int32_t(find->Int(0)) : 0;
    });
}

Result<int32_t> DesignStore::StoreForm(const PadForm& form) {
    if (form.Empty()) return 0;
    const std::string bytes = EncodePadForm(form);
    auto find = statements_->Use("SELECT id FROM padstack_forms WHERE data = ?");
    if (find->BindBlob(1, bytes).Step()) return int32_t(find->Int(0));
    auto add = statements_->Use("INSERT INTO padstack_forms(data) VALUES (?)");
    TRY(Write(add->BindBlob(1, bytes)));
    const int64_t id = sqlite3_last_insert_rowid(db_);
    if (id > MaxRowId) return Failed(ErrorNoIdLeft, MaxRowId, path_ + ": no padstack form id is left");
    return int32_t(id);
}

Result<PadForm> DesignStore::Form(int32_t formId) {
    if (formId == 0) return PadForm{};
    const std::string which = path_ + ": padstack form " + std::to_string(formId);
    if (schemaVersion_ < 3) return Failure{which + " is named in a file that keeps no forms"};
    auto get = statements_->Use("SELECT data FROM padstack_forms WHERE id = ?");
    if (!get->Bind(1, int64_t(formId)).Step()) return Failure{which + " is not in the file"};
    Result<PadForm> form = DecodePadForm(get->Blob(0));
    if (!form.ok()) return Failure{which + " is damaged (" + form.error() + ")"};
    return form;
}

bool DesignStore::FormExists(int32_t id) {
    auto find = statements_->Use("SELECT 1 FROM padstack_forms WHERE id = ?");
    return find->Bind(1, int64_t(id)).Step();
}

bool DesignStore::DeletePadstack(int32_t id) {
    ForgetPadstack(id);
    auto layers = statements_->Use("DELETE FROM padstack_layers WHERE padstack_id = ?");
    auto head = statements_->Use("DELETE FROM padstacks WHERE id = ?");
    const bool deleted = Write(layers->Bind(1, int64_t(id))).ok() && Write(head->Bind(1, int64_t(id))).ok() &&
                         sqlite3_changes(db_) == 1;
    if (lastPadstackId_ && id == *lastPadstackId_) SetLastPadstackId(std::nullopt);
    return deleted;
}

int32_t DesignStore::LastPadstackId() {
    // SQLite ends a transaction by itself after some errors, taking back what was noted in it.
    const bool held = Held();
    if (!held) SetLastPadstackId(std::nullopt);
    if (lastPadstackId_) return *lastPadstackId_;
    auto last = statements_->Use("SELECT coalesce(max(id), 0) FROM padstacks");
    if (!last->Step()) return 0;
    const int32_t id = int32_t(last->Int(0));
    if (held) SetLastPadstackId(id);
    return id;
}

const uint8_t* DesignStore::EncodeRecord() {
    EncodeDbRecord(info_, LastPadstackId(), record_.data());
    // The range is known only while our transaction holds; outside it every read asks the file.
    recordFresh_ = lastPadstackId_.has_value();
    return record_.data();
}

void DesignStore::SetLastPadstackId(std::optional<int32_t> id) {
    lastPadstackId_ = id;
    recordFresh_ = false;
}

void DesignStore::NotePadstackId(int32_t id) {
    if (!lastPadstackId_) return;
    // 0 is a failed write: what it left is not known, so the next read asks the file.
    if (id <= 0) {
        SetLastPadstackId(std::nullopt);
    } else if (id > *lastPadstackId_) {
        SetLastPadstackId(id);
    }
}

std::vector<Padstack> DesignStore::Padstacks() {
    std::vector<int32_t> ids;
    auto all = statements_->Use("SELECT id FROM padstacks WHERE name_id <> 0 ORDER BY id");
    while (all->Step()) ids.push_back(int32_t(all->Int(0)));
    std::vector<Padstack> out;
    for (int32_t id : ids) {
        if (auto p = GetPadstack(id)) out.push_back(std::move(*p));
    }
    return out;
}

Status DesignStore::PutSymbol(const Symbol& s) {
    if (s.id <= 0 || s.id > MaxSymbolId) {
        return Failed(ErrorInvalidRecord, s.id, path_ + ": symbol id " + std::to_string(s.id) + " is outside 1 to " +
                                                    std::to_string(MaxSymbolId));
    }
    if (!Within(s.centerX) || !Within(s.centerY))
        return BeyondLimit(Place("the centre of the footprint", s.centerX, s.centerY));
    std::set<int32_t> padstacks;
    for (size_t i = 0; i < s.pins.size(); ++i) {
        const Pin& p = s.pins[i];
        if (!Within(p.x) || !Within(p.y)) return BeyondLimit(Place("pin " + std::to_string(i + 1), p.x, p.y));
        if (padstacks.insert(p.padstack).second && !PadstackExists(p.padstack)) {
            return Failed(ErrorInvalidRecord, s.id,
                          path_ + ": pin " + std::to_string(i + 1) + " would stand on padstack " +
                              std::to_string(p.padstack) + ", which the design does not hold");
        }
    }
    auto put = statements_->Use("INSERT OR REPLACE INTO symbols VALUES (?,?,?,?)");
    TRY(Write(put->Bind(1, int64_t(s.id)).Bind(2, int64_t(s.nameId)).Bind(3, int64_t(s.centerX))
                  .Bind(4, int64_t(s.centerY))));
    auto clear = statements_->Use("DELETE FROM pins WHERE symbol_id = ?");
    TRY(Write(clear->Bind(1, int64_t(s.id))));
    auto pin = statements_->Use("INSERT INTO pins VALUES (?,?,?,?,?,?)");
    for (size_t i = 0; i < s.pins.size(); ++i) {
        const Pin& p = s.pins[i];
        pin->Bind(1, int64_t(s.id)).Bind(2, int64_t(i + 1)).Bind(3, int64_t(p.nameId))
            .Bind(4, int64_t(p.x)).Bind(5, int64_t(p.y)).Bind(6, int64_t(p.padstack));
        TRY(Write(*pin));
        pin->Reset();
    }
    return {};
}

Status DesignStore::PutComponent(const Component& c) {
    if (c.id <= 0 || !SymbolExists(c.symbolId)) return OnNoSymbol("component", c.id, c.symbolId);
    auto put = statements_->Use("INSERT OR REPLACE INTO components VALUES (?,?,?,?,?)");
    return Write(put->Bind(1, int64_t(c.id)).Bind(2, int64_t(c.nameId)).Bind(3, int64_t(c.valueA))
                     .Bind(4, int64_t(c.valueB)).Bind(5, int64_t(c.symbolId)));
}

Status DesignStore::PutLabel(const Label& t) {
    if (t.id <= 0 || !SymbolExists(t.symbolId)) return OnNoSymbol("label", t.id, t.symbolId);
    if (!Within(t.x) || !Within(t.y)) return BeyondLimit(Place("label " + std::to_string(t.id), t.x, t.y));
    auto put = statements_->Use("INSERT OR REPLACE INTO texts VALUES (?,?,?,?,?,?,?,?,?)");
    return Write(put->Bind(1, int64_t(t.id)).Bind(2, int64_t(t.lineWidth)).Bind(3, int64_t(t.height))
                     .Bind(4, int64_t(t.x)).Bind(5, int64_t(t.y)).Bind(6, int64_t(t.symbolId))
                     .Bind(7, int64_t(t.layer)).Bind(8, int64_t(t.kind)).Bind(9, t.text));
}

bool DesignStore::Within(int32_t v) { return v >= -CoordinateLimit && v <= CoordinateLimit; }

std::string DesignStore::Place(const std::string& what, int32_t x, int32_t y) {
    return what + " would lie at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

Failure DesignStore::BeyondLimit(const std::string& what) {
    char limit[96];
    std::snprintf(limit, sizeof limit, ", beyond the design's limit of %d units (%.1f inches) either way",
                  CoordinateLimit, CoordinateLimit * info_.inchesPerUnit);
    return Failed(ErrorInvalidRecord, 0, path_ + ": " + what + limit);
}

Failure DesignStore::OnNoSymbol(const char* what, int32_t id, int32_t symbolId) {
    const std::string why = id <= 0 ? std::string(what) + " id " + std::to_string(id) + " is no id the design gave out"
                                    : std::string(what) + " " + std::to_string(id) + " would belong to symbol " +
                                          std::to_string(symbolId) + ", which the design does not hold";
    return Failed(ErrorInvalidRecord, id, path_ + ": " + why);
}

bool DesignStore::PadstackExists(int32_t id) {
    auto find = statements_->Use("SELECT 1 FROM padstacks WHERE id = ?");
    return id > 0 && find->Bind(1, int64_t(id)).Step();
}

bool DesignStore::SymbolExists(int32_t id) {
    auto find = statements_->Use("SELECT 1 FROM symbols WHERE id = ?");
    return id > 0 && find->Bind(1, int64_t(id)).Step();
}

int32_t DesignStore::FindSymbol(const std::string& name) {
    auto find = statements_->Use("SELECT symbols.id FROM symbols JOIN names ON names.id = symbols.name_id "
                              "WHERE names.text = ? ORDER BY symbols.id LIMIT 1");
    return find->Bind(1, name).Step() ? int32_t(find->Int(0)) : 0;
}

bool DesignStore::DeleteSymbol(int32_t id) {
    static const char* const kDeletes[] = {
        "DELETE FROM texts WHERE symbol_id = ?", "DELETE FROM components WHERE symbol_id = ?",
        "DELETE FROM pins WHERE symbol_id = ?", "DELETE FROM symbols WHERE id = ?",
    };
    for (const char* sql : kDeletes) {
        auto remove = statements_->Use(sql);
        if (!Write(remove->Bind(1, int64_t(id))).ok()) return false;
    }
    return sqlite3_changes(db_) > 0;
}

Status DesignStore::PutPluginRecord(const std::string& owner, const std::string& key, const std::string& data) {
    // Designs written before plug-ins kept records of their own get the table on first use; once
    // a transaction, since a rollback may take a new table back.
    if (!pluginTableHeld_) {
        TRY(Write("CREATE TABLE IF NOT EXISTS plugin_records(owner TEXT NOT NULL, key TEXT NOT NULL, "
                  "data BLOB NOT NULL, PRIMARY KEY (owner, key)) WITHOUT ROWID"));
    }
    pluginTableHeld_ = Held();
    auto put = statements_->Use("INSERT OR REPLACE INTO plugin_records VALUES (?,?,?)");
    return Write(put->Bind(1, owner).Bind(2, key).BindBlob(3, data));
}

Status DesignStore::DeletePluginRecord(const std::string& owner, const std::string& key) {
    if (!GetPluginRecord(owner, key)) return {};
    auto remove = statements_->Use("DELETE FROM plugin_records WHERE owner = ? AND key = ?");
    return Write(remove->Bind(1, owner).Bind(2, key));
}

std::optional<std::string> DesignStore::GetPluginRecord(const std::string& owner, const std::string& key) {
    // A design without the table has no records: the statement does not prepare, and Step says so.
    auto get = statements_->Use("SELECT data FROM plugin_records WHERE owner = ? AND key = ?");
    if (!get->Bind(1, owner).Bind(2, key).Step()) return std::nullopt;
    return get->Blob(0);
}

std::optional<Symbol> DesignStore::SymbolNamed(const std::string& name) {
    const int32_t id = FindSymbol(name);
    if (id == 0) return std::nullopt;
    // Not the listing's statement with "OR id = ?": that would read every symbol to find one.
    auto one = statements_->Use("SELECT id, name_id, center_x, center_y FROM symbols WHERE id = ?");
    std::vector<Symbol> found = ReadSymbols(one->Bind(1, int64_t(id)));
    if (found.empty()) return std::nullopt;
    return std::move(found.front());
}

std::vector<Symbol> DesignStore::Symbols() {
    auto all = statements_->Use("SELECT id, name_id, center_x, center_y FROM symbols ORDER BY id");
    return ReadSymbols(*all);
}

std::vector<Symbol> DesignStore::ReadSymbols(SqliteStatement& heads) {
    std::vector<Symbol> out;
    while (heads.Step()) {
        out.push_back({int32_t(heads.Int(0)), int32_t(heads.Int(1)), int32_t(heads.Int(2)),
                       int32_t(heads.Int(3)), {}});
    }
    auto pins = statements_->Use("SELECT name_id, x, y, padstack_id FROM pins WHERE symbol_id = ? "
                              "ORDER BY number");
    for (auto& s : out) {
        pins->Bind(1, int64_t(s.id));
        while (pins->Step()) {
            s.pins.push_back({int32_t(pins->Int(0)), int32_t(pins->Int(1)), int32_t(pins->Int(2)),
                              int16_t(pins->Int(3))});
        }
        pins->Reset();
    }
    return out;
}

std::vector<Component> DesignStore::Components() {
    std::vector<Component> out;
    auto all = statements_->Use("SELECT id, name_id, value_a, value_b, symbol_id FROM components "
                             "ORDER BY id");
    while (all->Step()) {
        out.push_back({int32_t(all->Int(0)), int32_t(all->Int(1)), int32_t(all->Int(2)),
                       int32_t(all->Int(3)), uint16_t(all->Int(4))});
    }
    return out;
}

std::vector<Label> DesignStore::Labels() {
    std::vector<Label> out;
    auto all = statements_->Use("SELECT id, line_width, height, x, y, symbol_id, layer, kind, text "
                             "FROM texts ORDER BY id");
    while (all->Step()) {
        out.push_back({int32_t(all->Int(0)), int32_t(all->Int(1)), int32_t(all->Int(2)),
                       int32_t(all->Int(3)), int32_t(all->Int(4)), uint16_t(all->Int(5)),
                       uint8_t(all->Int(6)), uint8_t(all->Int(7)), all->Text(8)});
    }
    return out;
}

std::vector<Layer> DesignStore::Layers() {
    std::vector<Layer> out;
    auto all = statements_->Use("SELECT number, name FROM layers ORDER BY number");
    while (all->Step()) out.push_back({int(all->Int(0)), all->Text(1)});
    return out;
}

int DesignStore::LayerNumber(const std::string& name) {
    return layerNumbers_.Find(Held(), name, [&] {
        auto find = statements_->Use("SELECT number FROM layers WHERE name = ? COLLATE NOCASE "
                                     "ORDER BY number LIMIT 1");
        return find->Bind(1, name).Step() ? int(find->Int(0)) : 0;
    });
}

int DesignStore::FindColour(uint8_t kind, uint8_t subKind, uint8_t layer) {
    const uint32_t key = uint32_t(kind) << 16 | uint32_t(subKind) << 8 | layer;
    return colourIds_.Find(Held(), key, [&] {
        auto find = statements_->Use("SELECT id FROM colours WHERE kind = ? AND sub_kind = ? AND layer = ?");
        find->Bind(1, int64_t(kind)).Bind(2, int64_t(subKind)).Bind(3, int64_t(layer));
        return find->Step() ? int(find->Int(0)) : 0;
    });
}

std::optional<uint32_t> DesignStore::ColourValue(int index) {
    return colourValues_.Find(Held(), index, [&]() -> std::optional<uint32_t> {
        auto find = statements_->Use("SELECT value FROM colours WHERE id = ?");
        if (!find->Bind(1, int64_t(index)).Step()) return std::nullopt;
        return uint32_t(find->Int(0));
    });
}

}  // namespace zelmdb
