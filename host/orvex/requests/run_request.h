// "orvex run": the design and footprint the dialog opens on, and where its input comes from.
#pragma once
#include <optional>
#include <string>

#include "host/base/result.h"
#include "host/orvex/text/arg_list.h"

struct ScreenSize {
    int width = 0;
    int height = 0;
};

struct RunRequest {
    std::string design, footprint;
    bool reopen = false;
    std::optional<std::string> script;   // a file, or "-" for standard input; none: a person
    std::optional<ScreenSize> screen;
    std::optional<int> scale;
};

ArgRules RunArgRules();
// Refuses a screen size or scale that the window could not have.
Result<RunRequest> RunRequestOf(const ArgList& args);
