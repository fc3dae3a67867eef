// Every record goes through the C functions and comes back, byte for byte where it is named.
#include <algorithm>
#include <memory>
#include <vector>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "tests/host/zelmdb/design_fixture.h"

using namespace zelmdb;

namespace {

struct UnionBuffer {
    uint8_t* bytes = MemAllocUnion();
    ~UnionBuffer() { MemFreeUnion(bytes); }
    ByteRecord record() { return ByteRecord(bytes); }
};

class RecordTest : public DesignFixture {};

TEST_F(RecordTest, DesignRecordCarriesTheStoredValues) {
    designInfo_.unitCode = 4;
    designInfo_.layerCount = 20;
    designInfo_.flags = BigLabelsFlag;
    designInfo_.componentA = -7;
    designInfo_.componentB = 123456;
    designInfo_.inchesPerUnit = 1e-5;
    AttachNewDesign(designInfo_);
    UnionBuffer b;
    std::memset(b.bytes, 0xEE, DbRecordLayout::Size);
    ASSERT_EQ(DbGet(b.bytes), 1);
    const ByteRecord r = b.record();
    EXPECT_DOUBLE_EQ(r.F64(0x40), 1e-5);
    EXPECT_EQ(r.I32(0x70), -7);
    EXPECT_EQ(r.I32(0x74), 123456);
    EXPECT_EQ(r.U8(0x78), 0x40);
    EXPECT_EQ(r.I16(0x80), 20);
    EXPECT_EQ(r.I16(0x82), 0);
    EXPECT_EQ(r.I16(0x84), 0);
    EXPECT_EQ(r.U8(0x104), 4);
    EXPECT_EQ(r.U8(0x50), 0) << "unnamed bytes are cleared, not left from the caller";
}

TEST_F(RecordTest, PadstackRoundTripsEveryLayerField) {
    UnionBuffer b;
    ByteRecord r = b.record();
    const int32_t id = ThruCreate();
    ASSERT_GT(id, 0);
    r.SetI32(0x00, NameCreate("P1"));
    r.SetI32(0x04, id);
    for (int layer = 1; layer <= 14; ++layer) {
        const size_t at = 0x24 + 24 * size_t(layer - 1);
        r.SetI32(at + 0x00, 1000 * layer + 1);
        r.SetI32(at + 0x04, -(1000 * layer + 2));
        r.SetI32(at + 0x08, 1000 * layer + 3);
        r.SetI32(at + 0x0C, 1000 * layer + 4);
        r.SetU8(at + 0x14, uint8_t(layer % 9));
        r.SetI16(at + 0x16, int16_t(-60 * layer));
        r.SetU16(at + 0x10, uint16_t(100 * layer));   // the host's corner ratio and flags
        r.SetU8(at + 0x15, uint8_t(layer));
    }
    ASSERT_EQ(ThruPut(id, b.bytes), 1);
    UnionBuffer back;
    ASSERT_EQ(ThruGet(id, back.bytes), 1);
    EXPECT_EQ(std::memcmp(b.bytes, back.bytes, 0x24 + 24 * 14), 0);
    EXPECT_STREQ(NameStr(back.record().I32(0)), "P1");
    EXPECT_EQ(ThruFind("P1"), id);
    UnionBuffer header;
    DbGet(header.bytes);
    EXPECT_EQ(header.record().I16(0x84), id) << "the listed range reaches the new padstack";
}

// The plug-in's record may lie at any address: each is filled whole, the last byte with the
// unit code included, and not a byte around it is touched.
TEST_F(RecordTest, DesignRecordFillsItsBytesWhereverTheyLie) {
    designInfo_.unitCode = 5;
    designInfo_.inchesPerUnit = 0.25;
    AttachNewDesign(designInfo_);
    UnionBuffer first;
    ASSERT_EQ(DbGet(first.bytes), 1);
    const std::vector<uint8_t> record(first.bytes, first.bytes + DbRecordLayout::Size);
    ASSERT_EQ(record[DbRecordLayout::UnitCode], 5);
    for (size_t offset = 0; offset < 72; offset += 7) {
        std::vector<uint8_t> around(DbRecordLayout::Size + 160, 0xA5);
        const auto start = around.begin() + 80 + long(offset);
        const auto end = start + long(DbRecordLayout::Size);
        ASSERT_EQ(DbGet(&*start), 1);
        const auto untouched = [](uint8_t b) { return b == 0xA5; };
        EXPECT_TRUE(std::equal(record.begin(), record.end(), start)) << "at offset " << offset;
        EXPECT_TRUE(std::all_of(around.begin(), start, untouched)) << "before, at offset " << offset;
        EXPECT_TRUE(std::all_of(end, around.end(), untouched)) << "after, at offset " << offset;
    }
}

// Inside a transaction the first read encodes the record and later ones copy it as it stands:
// neither takes a null buffer for one.
TEST_F(RecordTest, NullRecordBufferIsRefusedBeforeAndAfterTheFirstRead) {
    AttachNewDesign(designInfo_);
    ASSERT_TRUE(Design().Begin().ok());
    EXPECT_EQ(DbGet(nullptr), 0);
    UnionBuffer b;
    ASSERT_EQ(DbGet(b.bytes), 1);
    EXPECT_EQ(DbGet(nullptr), 0);
    EXPECT_EQ(DbGet(b.bytes), 1);
    Design().Rollback();
}

TEST_F(RecordTest, MissingPadstackReadsAsEmpty) {
    UnionBuffer b;
    std::memset(b.bytes, 0x5A, 0x200);
    EXPECT_EQ(ThruGet(77, b.bytes), 0);
    EXPECT_EQ(b.record().U8(0x24 + 0x14), 0);
    EXPECT_EQ(ThruFind("nothing"), 0);
    EXPECT_EQ(ThruFind(""), 0);
}

TEST_F(RecordTest, SymbolWithPinsIsStored) {
    UnionBuffer b;
    ByteRecord r = b.record();
    const int32_t id = SymCreate();
    ASSERT_EQ(DbDefault(8, b.bytes, id), 1);
    r.SetI32(0x00, NameCreate("QFP48"));
    r.SetU16(0x08, 3);
    r.SetI32(0x18, 500);
    r.SetI32(0x1C, -250);
    for (int n = 1; n <= 3; ++n) {
        ASSERT_EQ(PutTestPadstack(Design(), std::string(1, 'P').append(std::to_string(n))), n);
        const size_t at = 0x20 + 20 * size_t(n);
        r.SetI32(at, NameCreate(std::to_string(n).c_str()));
        r.SetI32(at + 4, n * 1000);
        r.SetI32(at + 8, -n);
        r.SetI16(at + 12, int16_t(n));
    }
    ASSERT_EQ(SymPut(id, b.bytes), 1);
    const auto symbols = Design().Symbols();
    ASSERT_EQ(symbols.size(), 1u);
    const Symbol& s = symbols[0];
    EXPECT_EQ(s.id, id);
    EXPECT_EQ(Design().NameText(s.nameId), "QFP48");
    EXPECT_EQ(s.centerX, 500);
    EXPECT_EQ(s.centerY, -250);
    ASSERT_EQ(s.pins.size(), 3u);
    EXPECT_EQ(Design().NameText(s.pins[2].nameId), "3");
    EXPECT_EQ(s.pins[2].x, 3000);
    EXPECT_EQ(s.pins[2].y, -3);
    EXPECT_EQ(s.pins[0].padstack, 1);
}

TEST_F(RecordTest, ComponentKeepsNameValuesAndSymbol) {
    UnionBuffer b;
    ByteRecord r = b.record();
    const int32_t id = CompCreate();
    DbDefault(10, b.bytes, id);
    r.SetI32(0x00, NameCreate("QFP48"));
    r.SetI32(0x18, 11);
    r.SetI32(0x1C, -22);
    r.SetU16(0x26, 40000);
    ASSERT_TRUE(Design().PutSymbol({40000, 0, 0, 0, {}}).ok());
    ASSERT_EQ(CompPut(id, b.bytes), 1);
    const auto comps = Design().Components();
    ASSERT_EQ(comps.size(), 1u);
    EXPECT_EQ(comps[0].valueA, 11);
    EXPECT_EQ(comps[0].valueB, -22);
    EXPECT_EQ(comps[0].symbolId, 40000) << "the symbol id is unsigned 16-bit";
}

TEST_F(RecordTest, TextDefaultsThenEveryFieldStored) {
    UnionBuffer b;
    ByteRecord r = b.record();
    const int32_t id = TextCreate();
    ASSERT_EQ(DbDefault(14, b.bytes, id), 1);
    // 50 mils and 8 mils at 1/254000 inch per unit.
    EXPECT_EQ(r.I32(0x1C), 12700);
    EXPECT_EQ(r.I32(0x18), 2032);
    r.SetI32(0x20, -5);
    r.SetI32(0x24, 19050);
    r.SetU16(0x2E, 3);
    r.SetU8(0x34, LevFind("AST"));
    r.SetU8(0x35, 2);
    r.SetText(0x37, "&FP", 256);
    ASSERT_TRUE(Design().PutSymbol({3, 0, 0, 0, {}}).ok());
    ASSERT_EQ(TextPut(id, b.bytes), 1);
    const auto labels = Design().Labels();
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].text, "&FP");
    EXPECT_EQ(labels[0].y, 19050);
    EXPECT_EQ(labels[0].x, -5);
    EXPECT_EQ(labels[0].layer, 13);
    EXPECT_EQ(labels[0].kind, 2);
    EXPECT_EQ(labels[0].height, 12700);
}

TEST_F(RecordTest, UnknownDefaultKindIsRefused) {
    UnionBuffer b;
    EXPECT_EQ(DbDefault(9, b.bytes, 1), 0);
}

struct LayerCase {
    const char* name;
    uint8_t number;
};
class LevFindTest : public DesignFixture, public ::testing::WithParamInterface<LayerCase> {};
TEST_P(LevFindTest, NewDesignLayers) { EXPECT_EQ(LevFind(GetParam().name), GetParam().number); }
INSTANTIATE_TEST_SUITE_P(Names, LevFindTest, ::testing::Values(
    LayerCase{"TOP", 1}, LayerCase{"BOT", 2}, LayerCase{"DRILL", 14}, LayerCase{"AST", 13},
    LayerCase{"SST", 11}, LayerCase{"sst", 11}, LayerCase{"IN5", 0}, LayerCase{"", 0}));

TEST_F(RecordTest, MoreLayersAddInnerLayersAboveTheDrill) {
    designInfo_.layerCount = 16;
    AttachNewDesign(designInfo_);
    EXPECT_EQ(LevFind("DRILL"), 14);
    EXPECT_EQ(LevFind("IN6"), 16);
}

TEST_F(RecordTest, ColourKeyFindsStoredColourAtByteEight) {
    const uint8_t top[3] = {1, 0, LevFind("TOP")};
    const int16_t index = DbColorFind(top);
    ASSERT_GT(index, 0);
    uint8_t out[12];
    std::memset(out, 0xCC, sizeof out);
    ASSERT_EQ(DbColorGet(index, out), 1);
    EXPECT_EQ(ReadOnly(out).U32(8), 0x0000FF00u);
    const uint8_t names[3] = {6, 4, 255};
    EXPECT_GT(DbColorFind(names), 0);
    const uint8_t absent[3] = {3, 0, 1};
    EXPECT_EQ(DbColorFind(absent), 0) << "kind 3 is not stored, so the plug-in falls back to kind 1";
    EXPECT_EQ(DbColorGet(999, out), 0);
}

struct LengthCase {
    int unitCode;
    int32_t length;
    const char* text;
};
class BaseToStrTest : public DesignFixture, public ::testing::WithParamInterface<LengthCase> {};
TEST_P(BaseToStrTest, ShowsDisplayUnit) {
    designInfo_.unitCode = GetParam().unitCode;
    AttachNewDesign(designInfo_);
    EXPECT_STREQ(BaseToStr(GetParam().length), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Units, BaseToStrTest, ::testing::Values(
    LengthCase{1, 15240, "60.00"}, LengthCase{1, -254, "-1.00"}, LengthCase{2, 254000, "1.00000"},
    LengthCase{3, 6000, "0.06000"}, LengthCase{4, 6000, "0.6000"}, LengthCase{5, 3, "0.3"},
    LengthCase{9, 1234, "1234"}));

TEST_F(RecordTest, NamesAreSharedByEqualTexts) {
    const int32_t a = NameCreate("R60");
    EXPECT_EQ(NameCreate("R60"), a);
    EXPECT_NE(NameCreate("r60"), a);
    EXPECT_STREQ(NameStr(123456), "");
}

TEST_F(RecordTest, ErrorsGoToTheMessageList) {
    std::vector<HostMessage> seen;
    HostEnvironment::Get().SetMessageSink([&](const HostMessage& m) { seen.push_back(m); });
    ComErrInt(34131, 2074);
    HostEnvironment::Get().SetMessageSink(nullptr);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].code, 34131);
    EXPECT_EQ(HostEnvironment::Get().messages().back().number, 2074);
}

TEST_F(RecordTest, NothingActiveGivesFailureValues) {
    DatabaseSet::Get().CloseAll();
    UnionBuffer b;
    EXPECT_EQ(DbGet(b.bytes), 0);
    EXPECT_EQ(ThruCreate(), 0);
    EXPECT_EQ(NameCreate("x"), 0);
    EXPECT_EQ(LevFind("TOP"), 0);
}

}  // namespace
