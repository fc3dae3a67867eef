// The C functions of the design-database library over the open stores; see zelmdb.h.
// No exception leaves a function: each body runs under Guarded and gives its failure value.
#include "host/zelmdb/zelmdb.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/database_set.h"
#include "host/zelmdb/guarded.h"
#include "host/zelmdb/host_environment.h"
#include "host/zelmdb/profile_handles.h"
#include "host/zelmdb/record_codec.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/stroke_font.h"
#include "host/zelmdb/union_pool.h"
#include "host/zelmdb/unit_table.h"
#include "platform/win/profile_file.h"
#include "platform/win/profile_hold.h"

using namespace zelmdb;

namespace {

DesignStore* Active() { return DatabaseSet::Active(); }

// The classic functions answer 0 for an id they could not give; the store has noted why.
int32_t IdOrZero(const Result<int32_t>& id) { return id.ok() ? id.value() : 0; }

// A settings file as this process sees it, with the writes a batch holds back; one that cannot
// be read reads as empty: the plug-in goes on without its entries.
ProfileFile SettingsFile(const std::string& path) {
    return ProfileHold::Load(path).value_or(ProfileFile::Parse(""));
}

bool CopyOut(const std::string& text, char* out, size_t size) {
    if (text.size() + 1 > size) {
        out[0] = '\0';
        return false;
    }
    std::memcpy(out, text.c_str(), text.size() + 1);
    return true;
}

// Labels start at 50 mils with an 8 mil stroke, whatever the design's resolution.
constexpr double DefaultLabelHeightInches = 0.050;
constexpr double DefaultLabelLineInches = 0.008;

int32_t InchesToUnits(double inches, double inchesPerUnit) {
    return int32_t(std::llround(inches / inchesPerUnit));
}

// A size in the other file's units as the same length in the target's, rounded half away from
// zero. Units per inch are whole numbers for every usual resolution, so an exact half stays one.
bool Rescale(int32_t& size, double fromUnitsPerInch, double toUnitsPerInch) {
    const double scaled = double(size) * toUnitsPerInch / fromUnitsPerInch;
    if (!(std::fabs(scaled) < 2147483647.0)) return false;
    size = int32_t(std::llround(scaled));
    return true;
}

bool RescaleLayers(Padstack& p, const DesignInfo& from, const DesignInfo& to) {
    if (from.inchesPerUnit == to.inchesPerUnit) return true;
    const double fromPerInch = 1.0 / from.inchesPerUnit, toPerInch = 1.0 / to.inchesPerUnit;
    for (LayerGeometry& l : p.layers) {
        for (int32_t* part : {&l.width1, &l.height1, &l.width2, &l.height2}) {
            if (!Rescale(*part, fromPerInch, toPerInch)) return false;
        }
    }
    return true;
}

bool RescaleForm(PadForm& f, const DesignInfo& from, const DesignInfo& to) {
    if (from.inchesPerUnit == to.inchesPerUnit) return true;
    const double fromPerInch = 1.0 / from.inchesPerUnit, toPerInch = 1.0 / to.inchesPerUnit;
    std::vector<int32_t*> lengths{&f.deltaX, &f.deltaY, &f.drillOffsetX, &f.drillOffsetY};
    for (FormPoint& point : f.polygon) lengths.insert(lengths.end(), {&point.x, &point.y});
    for (int32_t* length : lengths)
        if (!Rescale(*length, fromPerInch, toPerInch)) return false;
    // Rounding may bring two points of a fine outline together.
    return f.polygon.empty() || CheckPolygon(f.polygon).ok();
}

// The form of a padstack of `from` as the id of an equal form of `to`; none when it cannot be.
std::optional<int32_t> CopyForm(DesignStore& from, int32_t formId, DesignStore& to) {
    Result<PadForm> form = from.Form(formId);
    if (!form.ok() || !RescaleForm(form.value(), from.info(), to.info())) return std::nullopt;
    Result<int32_t> id = to.StoreForm(form.value());
    return id.ok() ? std::optional<int32_t>(id.value()) : std::nullopt;
}

int16_t CopyPadstack(DesignStore& from, int32_t fromId, DesignStore& to) {
    std::optional<Padstack> p = from.GetPadstack(fromId);
    if (!p) return 0;
    const std::optional<std::string> name = from.NameText(p->nameId);
    if (!name || !RescaleLayers(*p, from.info(), to.info())) return 0;
    // Form ids are the file's own: the form goes across and gets the target's.
    const std::optional<int32_t> formId = CopyForm(from, p->formId, to);
    if (!formId) return 0;
    p->formId = *formId;
    p->layers.resize(size_t(to.info().layerCount));
    p->id = IdOrZero(to.NewPadstack());
    if (p->id == 0) return 0;
    p->nameId = IdOrZero(to.NameCreate(*name));
    if (p->nameId == 0 || !to.PutPadstack(*p).ok()) {
        to.DeletePadstack(p->id);
        return 0;
    }
    return int16_t(p->id);
}

int16_t LoadFromLibrary(const std::string& name, const std::string& path, DesignStore& target) {
    auto library = DesignStore::Open(path, DesignStore::Access::ReadOnly,
                                     DesignStore::Sharing::Shared);
    if (!library.ok()) return 0;
    const int32_t id = library.value()->FindListedPadstack(name);
    return id > 0 ? CopyPadstack(*library.value(), id, target) : 0;
}

}  // namespace

extern "C" {

int32_t DbDefault(int32_t kind, uint8_t* record, int32_t id) {
    return Guarded<int32_t>(0, [&] {
        DesignStore* db = Active();
        if (record == nullptr) return 0;
        ByteRecord r(record);
        switch (kind) {
        case KindSymbol:
            r.Zero(0, SymRecordLayout::Pins);
            return 1;
        case KindComponent:
            r.Zero(0, CompRecordLayout::Size);
            return 1;
        case KindText: {
            r.Zero(0, TextRecordLayout::Size);
            if (db == nullptr) return 0;
            const double ipu = db->info().inchesPerUnit;
            r.SetI32(TextRecordLayout::Height, InchesToUnits(DefaultLabelHeightInches, ipu));
            r.SetI32(TextRecordLayout::LineWidth, InchesToUnits(DefaultLabelLineInches, ipu));
            r.SetI16(TextRecordLayout::WidthPercent, 100);
            return 1;
        }
        default:
            (void)id;
            return 0;
        }
    });
}

int32_t SymCreate(void) { return Guarded<int32_t>(0, [] { return Active() ? IdOrZero(Active()->NewSymbol()) : 0; }); }
int32_t CompCreate(void) {
    return Guarded<int32_t>(0, [] { return Active() ? IdOrZero(Active()->NewComponent()) : 0; });
}
int32_t TextCreate(void) { return Guarded<int32_t>(0, [] { return Active() ? IdOrZero(Active()->NewLabel()) : 0; }); }
int32_t ThruCreate(void) {
    return Guarded<int32_t>(0, [] { return Active() ? IdOrZero(Active()->NewPadstack()) : 0; });
}

int32_t SymFind(const char* name) {
    return Guarded<int32_t>(0, [&] {
        if (Active() == nullptr || name == nullptr || *name == '\0') return 0;
        return Active()->FindSymbol(std::string(name, strnlen(name, TextMax - 1)));
    });
}

int32_t SymDelete(int32_t id) {
    return Guarded<int32_t>(0, [&] { return Active() && id > 0 && Active()->DeleteSymbol(id) ? 1 : 0; });
}

// The store refuses, and notes, a put of an id of 0 or of a record that points at nothing; the
// plug-in does not look at these results, so the host must.
int32_t SymPut(int32_t id, const uint8_t* record) {
    return Guarded<int32_t>(0, [&] {
        if (Active() == nullptr || record == nullptr) return 0;
        return Active()->PutSymbol(DecodeSymbol(id, record)).ok() ? 1 : 0;
    });
}

int32_t CompPut(int32_t id, const uint8_t* record) {
    return Guarded<int32_t>(0, [&] {
        if (Active() == nullptr || record == nullptr) return 0;
        return Active()->PutComponent(DecodeComponent(id, record)).ok() ? 1 : 0;
    });
}

int32_t TextPut(int32_t id, const uint8_t* record) {
    return Guarded<int32_t>(0, [&] {
        if (Active() == nullptr || record == nullptr) return 0;
        return Active()->PutLabel(DecodeLabel(id, record)).ok() ? 1 : 0;
    });
}

int32_t ThruPut(int32_t id, const uint8_t* record) {
    return Guarded<int32_t>(0, [&] {
        DesignStore* db = Active();
        if (db == nullptr || record == nullptr) return 0;
        Padstack p = DecodePadstack(record, db->info().layerCount);
        p.id = id;
        // A turned copy named like a padstack of other geometry gets a name of its own.
        const Result<int32_t> name = db->FreePadstackName(p.nameId, id);
        if (!name.ok()) return 0;
        p.nameId = name.value();
        return db->PutPadstack(p).ok() ? 1 : 0;
    });
}

int32_t NameCreate(const char* text) {
    return Guarded<int32_t>(0, [&] {
        if (Active() == nullptr || text == nullptr) return 0;
        return IdOrZero(Active()->NameCreate(std::string(text, strnlen(text, TextMax - 1))));
    });
}

const char* NameStr(int32_t nameId) {
    static char text[TextMax];
    text[0] = '\0';
    return Guarded<const char*>(text, [&] {
        if (Active() == nullptr) return static_cast<const char*>(text);
        if (auto name = Active()->NameText(nameId)) CopyOut(name->substr(0, TextMax - 1), text, TextMax);
        return static_cast<const char*>(text);
    });
}

int16_t ThruFind(const char* name) {
    return Guarded<int16_t>(0, [&] {
        if (Active() == nullptr || name == nullptr || *name == '\0') return int16_t(0);
        return int16_t(Active()->FindListedPadstack(name));
    });
}

int32_t ThruGet(int32_t id, uint8_t* record) {
    return Guarded<int32_t>(0, [&] {
        DesignStore* db = Active();
        if (db == nullptr || record == nullptr) return 0;
        const int layers = db->info().layerCount;
        std::optional<Padstack> p = db->GetPadstack(id);
        // A missing id reads as a padstack without pads, which no list takes up.
        EncodePadstack(p ? *p : Padstack{}, layers, record);
        return p ? 1 : 0;
    });
}

int16_t ThruFindSame(const uint8_t* record) {
    return Guarded<int16_t>(0, [&] {
        DesignStore* db = Active();
        if (db == nullptr || record == nullptr) return int16_t(0);
        return int16_t(db->FindSamePadstack(DecodePadstack(record, db->info().layerCount)));
    });
}

int32_t ThruDelete(int32_t id) {
    return Guarded<int32_t>(0, [&] { return Active() && Active()->DeletePadstack(id) ? 1 : 0; });
}

int16_t DbLoadThru(const char* name, const char* libraryPath) {
    return Guarded<int16_t>(0, [&]() -> int16_t {
        DesignStore* target = Active();
        if (target == nullptr || name == nullptr || *name == '\0') return 0;
        if (libraryPath != nullptr && *libraryPath != '\0') {
            return LoadFromLibrary(name, libraryPath, *target);
        }
        HostEnvironment& host = HostEnvironment::Get();
        const ProfileFile ini = SettingsFile(host.HostIniPath());
        for (const auto& [key, value] : ini.Entries(LibrarySection)) {
            const std::optional<std::string> path = host.FindFile(value);
            if (!path) continue;
            if (int16_t id = LoadFromLibrary(name, *path, *target)) return id;
        }
        return 0;
    });
}

int32_t PlugRecordPut(const char* owner, const char* key, const uint8_t* data, int32_t size) {
    return Guarded<int32_t>(0, [&] {
        if (Active() == nullptr || owner == nullptr || key == nullptr || size < 0) return 0;
        if (data == nullptr && size > 0) return 0;
        const std::string bytes(reinterpret_cast<const char*>(data), size_t(size));
        return Active()->PutPluginRecord(owner, key, bytes).ok() ? 1 : 0;
    });
}

int32_t PlugRecordGet(const char* owner, const char* key, uint8_t* data, int32_t size) {
    return Guarded<int32_t>(-1, [&] {
        if (Active() == nullptr || owner == nullptr || key == nullptr) return -1;
        const std::optional<std::string> bytes = Active()->GetPluginRecord(owner, key);
        if (!bytes) return -1;
        if (data != nullptr && size >= 0 && bytes->size() <= size_t(size)) std::memcpy(data, bytes->data(), bytes->size());
        return int32_t(bytes->size());
    });
}

uint8_t GetActiveDatabase(void) { return DatabaseSet::Get().activeHandle(); }

int32_t SetActiveDatabase(uint8_t handle) {
    return Guarded<int32_t>(0, [&] { return DatabaseSet::Get().SetActive(handle) ? 1 : 0; });
}

int32_t DbLoadFpNames(const char* libraryPath) {
    return Guarded<int32_t>(0, [&] {
        if (libraryPath == nullptr || *libraryPath == '\0') return 0;
        return DatabaseSet::Get().OpenLibrary(libraryPath) != 0 ? 1 : 0;
    });
}

int32_t DeleteActiveDatabase(void) {
    return Guarded<int32_t>(0, [] { return DatabaseSet::Get().CloseActiveLibrary() ? 1 : 0; });
}

int32_t SwFindFile(const char* fileName, char* path) {
    return Guarded<int32_t>(0, [&] {
        if (path == nullptr) return 0;
        path[0] = '\0';
        if (fileName == nullptr) return 0;
        const std::optional<std::string> found = HostEnvironment::Get().FindFile(fileName);
        return found && CopyOut(*found, path, PathMax) ? 1 : 0;
    });
}

int32_t ComIniFileOpen(const char* fileName) {
    return Guarded<int32_t>(0, [&] {
        if (fileName == nullptr) return 0;
        const std::optional<std::string> found = HostEnvironment::Get().FindFile(fileName);
        if (!found) return 0;
        HostEnvironment::Get().SetCurrentIni(*found);
        return 1;
    });
}

int32_t ComIniClose(void) {
    HostEnvironment::Get().SetCurrentIni(std::nullopt);
    return 1;
}

int32_t ComIniGetProfileSection(const char* section, uint8_t* buffer) {
    return Guarded<int32_t>(0, [&] {
        if (buffer == nullptr) return 0;
        ByteRecord r(buffer);
        r.SetI16(ProfileSectionLayout::Count, 0);
        if (section == nullptr) return 0;
        const ProfileFile ini = SettingsFile(HostEnvironment::Get().CurrentIniPath());
        const auto entries = ini.Entries(section);
        const int count = std::min<int>(int(entries.size()), MaxProfileEntries);
        ProfileHandles& handles = ProfileHandles::Get();
        for (int i = 0; i < count; ++i) {
            const size_t at = ProfileSectionLayout::Entry(i);
            r.SetU32(at + ProfileSectionLayout::Key, handles.Add(entries[size_t(i)].first));
            r.SetU32(at + ProfileSectionLayout::Value, handles.Add(entries[size_t(i)].second));
            r.Zero(at + 8, 2);
        }
        r.SetI16(ProfileSectionLayout::Count, int16_t(count));
        return count;
    });
}

int32_t ComIniFreeProfileSection(uint8_t* buffer) {
    return Guarded<int32_t>(0, [&] {
        if (buffer == nullptr) return 0;
        ByteRecord r(buffer);
        const int count = std::max<int>(0, r.I16(ProfileSectionLayout::Count));
        for (int i = 0; i < count; ++i) {
            const size_t at = ProfileSectionLayout::Entry(i);
            ProfileHandles::Get().Free(r.U32(at + ProfileSectionLayout::Key));
            ProfileHandles::Get().Free(r.U32(at + ProfileSectionLayout::Value));
        }
        r.SetI16(ProfileSectionLayout::Count, 0);
        return 1;
    });
}

const char* ComIniHandleText(uint32_t handle) { return ProfileHandles::Get().Text(handle); }

uint8_t* MemAllocUnion(void) { return UnionPool::Get().Take(); }
void MemFreeUnion(uint8_t* buffer) { UnionPool::Get().Give(buffer); }

int32_t ComGetInstallationPath(char* path) {
    return Guarded<int32_t>(0, [&] {
        if (path == nullptr) return 0;
        path[0] = '\0';
        std::string folder = HostEnvironment::Get().hostFolder();
        if (folder.empty()) return 0;
        if (folder.back() != '/') folder += '/';
        return CopyOut(folder, path, PathMax) ? 1 : 0;
    });
}

namespace {
char* LastSeparator(char* path) {
    char* a = std::strrchr(path, '/');
    char* b = std::strrchr(path, '\\');
    return a > b ? a : b;
}
}  // namespace

void ComStripPath(char* path) {
    if (path == nullptr) return;
    if (char* sep = LastSeparator(path)) std::memmove(path, sep + 1, std::strlen(sep + 1) + 1);
}

void ComDeleteFileExt(char* path) {
    if (path == nullptr) return;
    char* sep = LastSeparator(path);
    char* dot = std::strrchr(sep ? sep : path, '.');
    // A leading dot names a hidden file, it does not start an extension.
    if (dot != nullptr && dot != (sep ? sep + 1 : path)) *dot = '\0';
}

void ComStripFileName(char* path) {
    if (path == nullptr) return;
    char* sep = LastSeparator(path);
    if (sep != nullptr) {
        sep[1] = '\0';
    } else {
        path[0] = '\0';
    }
}

const char* BaseToStr(int32_t length) {
    static char text[64];
    DesignStore* db = Active();
    const UnitInfo* unit = db ? UnitByCode(db->info().unitCode) : nullptr;
    if (unit == nullptr) {
        std::snprintf(text, sizeof text, "%d", length);
    } else {
        const double value = double(length) * db->info().inchesPerUnit / unit->inchesPerUnit;
        std::snprintf(text, sizeof text, "%.*f", unit->decimals, value);
    }
    return text;
}

uint8_t LevFind(const char* layerName) {
    return Guarded<uint8_t>(0, [&] {
        if (Active() == nullptr || layerName == nullptr) return uint8_t(0);
        const int n = Active()->LayerNumber(layerName);
        return uint8_t(n > 0 && n <= 255 ? n : 0);
    });
}

int16_t DbColorFind(const uint8_t* colorKey) {
    return Guarded<int16_t>(0, [&] {
        if (Active() == nullptr || colorKey == nullptr) return int16_t(0);
        const ByteRecord k = ReadOnly(colorKey);
        const int index = Active()->FindColour(k.U8(ColorKeyLayout::Kind), k.U8(ColorKeyLayout::SubKind),
                                               k.U8(ColorKeyLayout::Layer));
        return int16_t(index > 0 && index <= 32767 ? index : 0);
    });
}

int32_t DbColorGet(int16_t index, uint8_t* out) {
    return Guarded<int32_t>(0, [&] {
        if (Active() == nullptr || out == nullptr) return 0;
        ByteRecord r(out);
        r.Zero(0, ColorOutLayout::Size);
        const std::optional<uint32_t> colour = Active()->ColourValue(index);
        if (!colour) return 0;
        r.SetI16(ColorOutLayout::Index, index);
        r.SetU32(ColorOutLayout::Color, *colour);
        return 1;
    });
}

int32_t TextGetSegments(uint8_t* textRecord, uint8_t* buffer) {
    return Guarded<int32_t>(0, [&] {
        namespace T = TextRecordLayout;
        namespace S = SegmentListLayout;
        if (buffer == nullptr) return 0;
        // A union buffer is handed out as its last user left it: no strokes until drawn.
        ByteRecord out(buffer);
        out.SetU16(S::Count, 0);
        if (textRecord == nullptr) return 0;
        ByteRecord rec(textRecord);
        const Label label = DecodeLabel(0, textRecord);
        const StrokeText strokes =
            StrokeFont::Draw(label.text, label.x, label.y, label.height, rec.I16(T::WidthPercent));
        rec.SetI32(T::ExtentXLow, strokes.xLow);
        rec.SetI32(T::ExtentYLow, strokes.yLow);
        rec.SetI32(T::ExtentXHigh, strokes.xHigh);
        rec.SetI32(T::ExtentYHigh, strokes.yHigh);
        const int count = std::min<int>(int(strokes.segments.size()), std::min(MaxSegments, 65535));
        out.SetU16(S::Count, uint16_t(count));
        for (int i = 0; i < count; ++i) {
            const size_t at = S::First + S::Size * size_t(i);
            const Segment& s = strokes.segments[size_t(i)];
            out.SetI32(at, s.x1);
            out.SetI32(at + 4, s.y1);
            out.SetI32(at + 8, s.x2);
            out.SetI32(at + 12, s.y2);
        }
        return count;
    });
}

void ComErrInt(int32_t code, int32_t number) {
    try {
        HostEnvironment::Get().Report(code, number);
    } catch (...) {
    }
}

}  // extern "C"
