// Walks over the padstacks of the active database and over the listed padstack libraries,
// shared by the page start-up and the Select Padstack dialog.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "output/padstack_rules.h"

// Calls `use(name, record)` for every padstack of the active database in id order, until it
// gives false.
void ForEachPadstack(const std::function<bool(const std::string& name, const PadstackBuffer& record)>& use);

// Calls `use(key, value)` for every line of the library section, in order.
void ForEachLibraryLine(const std::function<void(const char* key, const char* value)>& use);

// Calls `use(path)` with each listed library that can be opened as the active database;
// `design` is active again before the next library and on return.
void ForEachLibrary(uint8_t design, const std::function<void(const char* path)>& use);
