// Whether an export may write a file: never over a design or library of ours, and over any
// other file only when it is an earlier export or the person asked for it with --force.
#pragma once
#include <string>

#include "host/base/result.h"

// Whether `path` may be written: there is nothing there, or an earlier export, or `force` and a
// file that is no design or library of ours. The refusal names the file.
Status ExportTarget(const std::string& path, bool force);
