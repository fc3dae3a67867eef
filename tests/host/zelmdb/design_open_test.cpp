// Files that are not our designs are refused with a message naming them and are left as they
// were; a killed transaction leaves the design as before; a second holder is refused.
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "host/zelmdb/design_store.h"
#include "tests/host/zelmdb/design_fixture.h"
#include "tests/support/store_records.h"

using namespace zelmdb;

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void Sql(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

class DesignOpenTest : public DesignFixture {
public:
    // A second design of some size, closed, for tampering with.
    std::string MakeDesign(const std::string& name) {
        const std::string path = Path(name);
        auto created = DesignStore::Create(path, DesignInfo{});
        EXPECT_TRUE(created.ok());
        DesignStore& s = *created.value();
        EXPECT_TRUE(s.Begin().ok());
        for (int i = 0; i < 200; ++i) {
            Padstack p;
            p.layers.resize(14);
            p.layers[0] = {1000 + i, 1000, 0, 0, PadShape::Square, 0};
            StoreNewPadstack(s, p, std::string(1, 'P').append(std::to_string(i)));
        }
        EXPECT_TRUE(s.Commit().ok());
        return path;
    }
};

struct BadFile {
    const char* name;
    void (*make)(DesignOpenTest&, const std::string& path);
    const char* message;
};
class BadFileTest : public DesignOpenTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFileTest, RefusedByNameAndLeftUntouched) {
    const std::string path = Path(GetParam().name);
    GetParam().make(*this, path);
    const std::string before = ReadBytes(path);
    for (auto access : {DesignStore::Access::ReadWrite, DesignStore::Access::ReadOnly}) {
        auto opened = DesignStore::Open(path, access, DesignStore::Sharing::Exclusive);
        ASSERT_FALSE(opened.ok());
        EXPECT_NE(opened.error().find(path), std::string::npos) << opened.error();
        EXPECT_NE(opened.error().find(GetParam().message), std::string::npos) << opened.error();
    }
    EXPECT_EQ(ReadBytes(path), before);
}

INSTANTIATE_TEST_SUITE_P(Files, BadFileTest, ::testing::Values(
    BadFile{"empty.design", [](DesignOpenTest&, const std::string& p) { WriteBytes(p, ""); }, "empty"},
    BadFile{"text.design",
            [](DesignOpenTest&, const std::string& p) { WriteBytes(p, "[PADSTACK_LIB]\r\nx=y\r\n"); },
            "not an Orvex design"},
    BadFile{"foreign.design",
            [](DesignOpenTest&, const std::string& p) { Sql(p, "CREATE TABLE t(x); INSERT INTO t VALUES (1);"); },
            "foreign SQLite file"},
    BadFile{"truncated.design",
            [](DesignOpenTest& t, const std::string& p) {
                const std::string whole = ReadBytes(t.MakeDesign("t.design"));
                WriteBytes(p, whole.substr(0, whole.size() / 2));
            },
            "damaged"},
    BadFile{"scribbled.design",
            [](DesignOpenTest& t, const std::string& p) {
                std::string whole = ReadBytes(t.MakeDesign("s.design"));
                for (size_t i = 4096 * 2; i < whole.size() && i < 4096 * 3; ++i) whole[i] = char(0xA5);
                WriteBytes(p, whole);
            },
            "damaged"},
    BadFile{"norecord.design",
            [](DesignOpenTest& t, const std::string& p) {
                std::filesystem::rename(t.MakeDesign("r.design"), p);
                Sql(p, "DELETE FROM design");
            },
            "no design record"},
    BadFile{"missing.design", [](DesignOpenTest&, const std::string&) {}, "no such file"}));

// A design with a table dropped or reshaped is refused as a whole, naming what is wrong, rather
// than opened and found out when a statement on it fails halfway through a footprint.
struct Reshape {
    const char* sql;
    const char* message;
};
class ReshapedDesignTest : public DesignOpenTest, public ::testing::WithParamInterface<Reshape> {};

TEST_P(ReshapedDesignTest, RefusedByNameSayingWhatIsWrong) {
    const std::string path = MakeDesign("reshaped.design");
    Sql(path, GetParam().sql);
    const std::string before = ReadBytes(path);
    for (auto access : {DesignStore::Access::ReadWrite, DesignStore::Access::ReadOnly}) {
        auto opened = DesignStore::Open(path, access, DesignStore::Sharing::Shared);
        ASSERT_FALSE(opened.ok()) << GetParam().sql;
        EXPECT_EQ(opened.error(), path + " is damaged (" + GetParam().message + ")");
    }
    EXPECT_EQ(ReadBytes(path), before);
}

INSTANTIATE_TEST_SUITE_P(Tables, ReshapedDesignTest, ::testing::Values(
    Reshape{"DROP TABLE design", "table design is missing"},
    Reshape{"DROP TABLE names", "table names is missing"},
    Reshape{"DROP TABLE padstacks", "table padstacks is missing"},
    Reshape{"DROP TABLE padstack_layers", "table padstack_layers is missing"},
    Reshape{"DROP TABLE symbols", "table symbols is missing"},
    Reshape{"DROP TABLE pins", "table pins is missing"},
    Reshape{"DROP TABLE components", "table components is missing"},
    Reshape{"DROP TABLE texts", "table texts is missing"},
    Reshape{"DROP TABLE layers", "table layers is missing"},
    Reshape{"DROP TABLE colours", "table colours is missing"},
    Reshape{"ALTER TABLE plugin_records DROP COLUMN data", "table plugin_records has no column data"},
    Reshape{"DROP TABLE pins; CREATE VIEW pins AS SELECT 1 AS symbol_id", "table pins is missing"},
    Reshape{"ALTER TABLE pins DROP COLUMN x", "table pins has no column x"},
    Reshape{"ALTER TABLE texts RENAME COLUMN text TO words", "table texts has no column text"},
    Reshape{"DROP TABLE symbols; CREATE TABLE symbols(id INTEGER PRIMARY KEY, name_id INTEGER, "
            "center_x TEXT, center_y INTEGER)",
            "column symbols.center_x is TEXT, not INTEGER"},
    Reshape{"DROP TABLE components; CREATE TABLE components(id, name_id, value_a, value_b, symbol_id)",
            "column components.id is untyped, not INTEGER"}));

TEST_F(DesignOpenTest, ColumnsOfItsOwnAreAllowed) {
    const std::string path = MakeDesign("extra.design");
    Sql(path, "ALTER TABLE pins ADD COLUMN note TEXT; CREATE TABLE notes(x)");
    EXPECT_TRUE(DesignStore::Open(path, DesignStore::Access::ReadWrite, DesignStore::Sharing::Shared).ok());
}

// A design written before padstacks had host properties: read as it is, and brought up to date
// only when opened for writing, where its old padstacks are still found by their geometry.
TEST_F(DesignOpenTest, SchemaOneIsReadAsItIsAndMigratedForWriting) {
    const std::string path = MakeDesign("old.design");
    Sql(path, "ALTER TABLE padstack_layers DROP COLUMN corner_ratio;"
              "ALTER TABLE padstack_layers DROP COLUMN host_flags; ALTER TABLE padstacks DROP COLUMN form_id;"
              "DROP TABLE padstack_forms; PRAGMA user_version = 1;");
    const std::string before = ReadBytes(path);
    Padstack old;
    {
        auto opened = DesignStore::Open(path, DesignStore::Access::ReadOnly, DesignStore::Sharing::Shared);
        ASSERT_TRUE(opened.ok()) << opened.error();
        auto p = opened.value()->GetPadstack(opened.value()->FindPadstack("P7"));
        ASSERT_TRUE(p);
        EXPECT_EQ(p->layers[0].width1, 1007);
        EXPECT_EQ(p->layers[0].cornerRatio | p->layers[0].hostFlags, 0);
        old.layers = p->layers;
    }
    EXPECT_EQ(ReadBytes(path), before) << "reading changes nothing";
    auto opened = DesignStore::Open(path, DesignStore::Access::ReadWrite, DesignStore::Sharing::Exclusive);
    ASSERT_TRUE(opened.ok()) << opened.error();
    DesignStore& s = *opened.value();
    EXPECT_EQ(s.FindSamePadstack(old), s.FindPadstack("P7"));
    Padstack rounded;
    rounded.layers = old.layers;
    rounded.layers[0].cornerRatio = 2500;
    rounded.layers[0].hostFlags = NoPasteFlag;
    EXPECT_EQ(s.FindSamePadstack(rounded), 0) << "a rounded pad never matches a sharp one";
    rounded.id = StoreNewPadstack(s, rounded, "RR");
    EXPECT_EQ(s.GetPadstack(rounded.id)->layers, rounded.layers);
    EXPECT_EQ(s.FindSamePadstack(rounded), rounded.id);
    Padstack chamfered = old;
    PadForm chamfer;
    chamfer.chamferRatio = 2500;
    chamfer.chamferCorners = ChamferTopLeft;
    chamfered.formId = Given(s.StoreForm(chamfer));
    EXPECT_EQ(s.FindSamePadstack(chamfered), 0) << "a pad with a form never matches one without";
    opened.value().reset();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* version = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &version, nullptr);
    ASSERT_EQ(sqlite3_step(version), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(version, 0), DesignStore::SchemaVersion);
    sqlite3_finalize(version);
    sqlite3_close(db);
}

// A design a later orvex wrote: what it keeps may rely on what this one does not know, so this
// one reads it, saying so, and never writes it.
TEST_F(DesignOpenTest, NewerIsReadButNeverWritten) {
    const std::string path = MakeDesign("newer.design");
    const int newer = DesignStore::SchemaVersion + 1;
    Sql(path, ("PRAGMA user_version = " + std::to_string(newer)).c_str());
    const std::string before = ReadBytes(path);
    const std::string versions = path + " was written by a newer orvex (schema " + std::to_string(newer) +
                                 "; this one knows schema " + std::to_string(DesignStore::SchemaVersion) + ")";
    auto written = DesignStore::Open(path, DesignStore::Access::ReadWrite, DesignStore::Sharing::Exclusive);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error(), versions + ", which this one never writes; nothing was changed");
    auto read = DesignStore::Open(path, DesignStore::Access::ReadOnly, DesignStore::Sharing::Shared);
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(read.value()->NewerNote().value_or(""), versions + ": it is read as far as this one knows it, and never written");
    EXPECT_NE(read.value()->FindPadstack("P7"), 0);
    EXPECT_FALSE(DesignStore::Open(designPath_, DesignStore::Access::ReadOnly, DesignStore::Sharing::Shared)
                     .value()->NewerNote());
    read.value().reset();
    EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(DesignOpenTest, WrongKindIsRefused) {
    auto opened = DesignStore::Open(designPath_, DesignStore::Access::ReadOnly,
                                    DesignStore::Sharing::Shared, FileKind::Library);
    ASSERT_FALSE(opened.ok());
    EXPECT_NE(opened.error().find("not a padstack library"), std::string::npos);
}

TEST_F(DesignOpenTest, CreateRefusesAnExistingFile) {
    const std::string path = Path("x.design");
    WriteBytes(path, "keep me");
    EXPECT_FALSE(DesignStore::Create(path, DesignInfo{}).ok());
    EXPECT_EQ(ReadBytes(path), "keep me");
}

TEST_F(DesignOpenTest, SecondExclusiveHolderIsRefusedAtOnce) {
    // The fixture holds its design exclusively.
    auto second = DesignStore::Open(designPath_, DesignStore::Access::ReadWrite,
                                    DesignStore::Sharing::Exclusive);
    ASSERT_FALSE(second.ok());
    EXPECT_NE(second.error().find("open in another orvex"), std::string::npos);
    DatabaseSet::Get().CloseAll();
    EXPECT_TRUE(DesignStore::Open(designPath_, DesignStore::Access::ReadWrite,
                                  DesignStore::Sharing::Exclusive).ok());
}

TEST_F(DesignOpenTest, KilledTransactionLeavesTheDesignAsBefore) {
    DatabaseSet::Get().CloseAll();
    const std::string path = MakeDesign("k.design");
    const std::string before = ReadBytes(path);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto opened = DesignStore::Open(path, DesignStore::Access::ReadWrite,
                                        DesignStore::Sharing::Exclusive);
        if (!opened.ok()) _exit(2);
        DesignStore& s = *opened.value();
        if (!s.Begin().ok()) _exit(2);
        for (int i = 0; i < 2000; ++i) (void)s.NameCreate("name " + std::to_string(i));
        s.DeletePadstack(5);
        (void)!write(ready[1], "x", 1);
        pause();   // killed here, in the middle of the transaction
        _exit(0);
    }
    close(ready[1]);
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    close(ready[0]);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    auto reopened = DesignStore::Open(path, DesignStore::Access::ReadWrite,
                                      DesignStore::Sharing::Exclusive);
    ASSERT_TRUE(reopened.ok()) << reopened.error();
    EXPECT_EQ(reopened.value()->FindPadstack("P4"), 5) << "the delete was rolled back";
    EXPECT_FALSE(reopened.value()->NameText(201).has_value() &&
                 reopened.value()->NameText(201)->rfind("name ", 0) == 0);
    reopened.value().reset();
    EXPECT_EQ(ReadBytes(path), before);
}

}  // namespace
