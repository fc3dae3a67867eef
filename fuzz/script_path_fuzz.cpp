// Arbitrary bytes as the FILE of "orvex run --script FILE", inside a folder of its own that holds
// what a path can meet: a script, a text that is none, a folder, a link to it, a loop of links.
// Each is read and parsed, or refused with a message that names the path; never a crash or a hang.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/orvex/requests/script_source.h"

namespace {

std::string& Folder() {
    static std::string folder;
    return folder;
}

void RemoveFolder() {
    std::error_code ec;
    std::filesystem::remove_all(Folder(), ec);
}

const std::string& Sandbox() {
    if (Folder().empty()) {
        char pattern[] = "/tmp/orvex-script-path-XXXXXX";
        if (::mkdtemp(pattern) == nullptr) std::abort();
        Folder() = pattern;
        std::ofstream(Folder() + "/ok.txt") << "page 5\nset 4026 3\nok\n";
        std::ofstream(Folder() + "/bad.txt") << "frobnicate 12\n";
        ::mkdir((Folder() + "/dir").c_str(), 0755);
        ::symlink("dir", (Folder() + "/dirlink").c_str());
        ::symlink("loop", (Folder() + "/loop").c_str());
        std::atexit(RemoveFolder);
    }
    return Folder();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string name(reinterpret_cast<const char*>(data), size);
    // The folder is the whole world: nothing above it. "-" would wait for standard input.
    if (name.find("..") != std::string::npos || name == "-") return 0;
    const std::string path = Sandbox() + "/" + name;
    const auto script = LoadScript(path);
    if (!script.ok() && script.error().find(path.c_str()) == std::string::npos) __builtin_trap();
    return 0;
}
