// Naming a library for the settings file; see library_request.h.
#include "host/orvex/requests/library_request.h"

#include <filesystem>
#include <string_view>

ArgRules LibraryArgRules() { return {{}, {}, {}, 1, 1}; }

std::string ListedPath(const std::string& path) {
    std::error_code ec;
    return std::filesystem::absolute(path, ec).lexically_normal().string();
}

LibraryRequest LibraryRequestOf(const ArgList& args) {
    const std::string path = ListedPath(args.positional()[0]);
    return {path, std::filesystem::path(path).stem().string()};
}

Status FitsIniLine(const LibraryRequest& request) {
    const std::string& key = request.key;
    if (!key.empty() && std::string_view("[;#").find(key.front()) != std::string_view::npos)
        return Failure{std::string("its name starts with '") + key.front() + "'"};
    if (key.find('=') != std::string::npos) return Failure{"its name holds '='"};
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    for (const std::string* text : {&key, &request.path}) {
        if (text->find_first_of("\r\n") != std::string::npos) return Failure{"it holds a line break"};
        if (!text->empty() && (blank(text->front()) || blank(text->back())))
            return Failure{"it starts or ends with a blank"};
    }
    return {};
}
