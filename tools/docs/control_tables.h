// The controls a dialog script reaches, as Markdown tables built from the dialog templates, the
// style pages' rows and the names in res/resource.h, so the script's reference cannot drift.
#pragma once
#include <filesystem>
#include <string>

// The sheet's buttons, the controls of its six pages (which page shows which) and those of the
// Select Padstack and Edit Array Alphabet dialogs. `resourceHeader` is res/resource.h.
std::string ControlTablesMarkdown(const std::filesystem::path& resourceHeader);
