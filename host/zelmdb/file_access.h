// What a design or library file allows before and after SQLite opens it, told in a person's
// words: not ours, not writable, in use by another program, or left half-written.
#pragma once
#include <string>

#include "host/base/result.h"

struct sqlite3;

namespace zelmdb {

// What the first bytes say before SQLite sees the file: an empty file would otherwise be taken
// for a new database, and a text file gives a vaguer message.
Status CheckHeader(const std::string& path);

// Whether the file and its folder (where SQLite keeps the journal) may be written.
Status Writable(const std::string& path);

// A journal beside the file: a writer is at work, or one was stopped and left a change half-done.
bool HasJournal(const std::string& path);

// SQLite's last error on `db` as the trouble of the file: in use, left half-written, full, or
// what `otherwise` says ("is damaged") with SQLite's own words.
std::string Trouble(const std::string& path, sqlite3* db, const char* otherwise);

}  // namespace zelmdb
