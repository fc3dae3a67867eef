// "orvex library add|remove LIB.olb": a library as the PADSTACK_LIB list of ORVEX.INI names it.
#pragma once
#include <string>

#include "host/base/result.h"
#include "host/orvex/text/arg_list.h"

struct LibraryRequest {
    std::string path;   // absolute, without "." and ".." steps
    std::string key;    // the name the list gives it: the file's name without its extension
};

ArgRules LibraryArgRules();
LibraryRequest LibraryRequestOf(const ArgList& args);
// A file's path as the list compares it: absolute, without "." and ".." steps.
std::string ListedPath(const std::string& path);
// Refuses what an INI line cannot carry: a name that would read as a section, a comment or two
// parts, or a text that would end the line or lose its blanks on reading.
Status FitsIniLine(const LibraryRequest& request);
