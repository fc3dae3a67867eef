// The design-database library of the host, as the plug-in calls it: plain C functions over
// byte-layout records (see record_layout.h for the offsets and sizes).
#pragma once
#include <cstdint>

#if defined(__GNUC__)
#define ZELMDB_API __attribute__((visibility("default")))
#else
#define ZELMDB_API
#endif

extern "C" {

// The design record of the active database.
ZELMDB_API int32_t DbGet(uint8_t* record);
// Kind 8 symbol, 10 component, 14 text: zeroes the record and fills that kind's defaults.
ZELMDB_API int32_t DbDefault(int32_t kind, uint8_t* record, int32_t id);

// Every failed create or put of the open design is noted (DesignStore::FailedWrites) and
// reported through ComErrInt, so the host can keep all of a footprint or nothing. A put fails
// for an id of 0, for a record that points at nothing (a pin on a padstack the design does not
// hold, a label of no symbol) and for a place beyond DesignStore::CoordinateLimit.
ZELMDB_API int32_t SymCreate(void);
ZELMDB_API int32_t CompCreate(void);
ZELMDB_API int32_t TextCreate(void);
ZELMDB_API int32_t ThruCreate(void);
// The symbol of that name, 0 for none.
ZELMDB_API int32_t SymFind(const char* name);
// Deletes the symbol, its pins, and the components and texts placed with it; 1 on success.
ZELMDB_API int32_t SymDelete(int32_t id);
ZELMDB_API int32_t SymPut(int32_t id, const uint8_t* record);
ZELMDB_API int32_t CompPut(int32_t id, const uint8_t* record);
ZELMDB_API int32_t TextPut(int32_t id, const uint8_t* record);
// A padstack under a name another padstack holds is stored under the next free "name~N".
ZELMDB_API int32_t ThruPut(int32_t id, const uint8_t* record);

// Equal texts share one name id. NameStr's text lives until the next NameStr call.
ZELMDB_API int32_t NameCreate(const char* text);
ZELMDB_API const char* NameStr(int32_t nameId);

// Where names repeat, the newest padstack of that name that the padstack lists offer (see
// DesignStore::FindListedPadstack); 0 when none is offered.
ZELMDB_API int16_t ThruFind(const char* name);
ZELMDB_API int32_t ThruGet(int32_t id, uint8_t* record);
// Lowest id whose every layer (sizes, shape, rotation where it matters) equals the record's.
ZELMDB_API int16_t ThruFindSame(const uint8_t* record);
ZELMDB_API int32_t ThruDelete(int32_t id);
// Copies a padstack into the active database under a new highest id; an empty library path
// looks through the PADSTACK_LIB libraries in order. Sizes and drills become the same lengths
// in the target's resolution, rounded half away from zero. Returns the new id, 0 on failure.
ZELMDB_API int16_t DbLoadThru(const char* name, const char* libraryPath);

// A plug-in's own record under (owner, key) in the active database; 1 on success.
ZELMDB_API int32_t PlugRecordPut(const char* owner, const char* key, const uint8_t* data, int32_t size);
// The record's size, -1 when there is none. The bytes are copied only when they fit `size`.
ZELMDB_API int32_t PlugRecordGet(const char* owner, const char* key, uint8_t* data, int32_t size);

ZELMDB_API uint8_t GetActiveDatabase(void);
ZELMDB_API int32_t SetActiveDatabase(uint8_t handle);
// Opens a padstack library and makes it the active database; 1 on success.
ZELMDB_API int32_t DbLoadFpNames(const char* libraryPath);
// Closes the active library; the design itself is never closed this way.
ZELMDB_API int32_t DeleteActiveDatabase(void);

// Search path: the host folder, then the folder of the plug-in. The buffer holds ZELMDB_PATH_MAX.
ZELMDB_API int32_t SwFindFile(const char* fileName, char* path);
ZELMDB_API int32_t ComIniFileOpen(const char* fileName);
ZELMDB_API int32_t ComIniClose(void);
ZELMDB_API int32_t ComIniGetProfileSection(const char* section, uint8_t* buffer);
ZELMDB_API int32_t ComIniFreeProfileSection(uint8_t* buffer);
// Turns a key or value handle of a profile section into its text; null for a freed handle.
ZELMDB_API const char* ComIniHandleText(uint32_t handle);

// A buffer for any record; one handed out again holds what its last user left in it.
ZELMDB_API uint8_t* MemAllocUnion(void);
ZELMDB_API void MemFreeUnion(uint8_t* buffer);

ZELMDB_API int32_t ComGetInstallationPath(char* path);
ZELMDB_API void ComStripPath(char* path);
ZELMDB_API void ComDeleteFileExt(char* path);
ZELMDB_API void ComStripFileName(char* path);

// The text lives until the next BaseToStr call.
ZELMDB_API const char* BaseToStr(int32_t length);
ZELMDB_API uint8_t LevFind(const char* layerName);
ZELMDB_API int16_t DbColorFind(const uint8_t* colorKey);
ZELMDB_API int32_t DbColorGet(int16_t index, uint8_t* out);
ZELMDB_API int32_t TextGetSegments(uint8_t* textRecord, uint8_t* buffer);
ZELMDB_API void ComErrInt(int32_t code, int32_t number);

}
