// Keeps the control tables of docs/dialog-script.md as the dialog templates make them: checks
// them (a test runs this), or with --write puts the tables as made into the doc.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/docs/control_tables.h"

namespace {

const std::string kBegin = "<!-- controls: made by tools/docs/dialog_controls -->\n";
const std::string kEnd = "<!-- end of controls -->\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || (argc == 3 && std::strcmp(argv[2], "--write") != 0) || argc > 3) {
        std::fprintf(stderr, "usage: dialog_controls SOURCE_DIR [--write]\n");
        return 2;
    }
    const std::filesystem::path source = argv[1], doc = source / "docs" / "dialog-script.md";
    std::ifstream in(doc, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    const size_t begin = text.find(kBegin), end = text.find(kEnd);
    if (begin == std::string::npos || end < begin) {
        std::fprintf(stderr, "%s: no lines \"%s\" and \"%s\" around the control tables\n", doc.c_str(),
                     kBegin.substr(0, kBegin.size() - 1).c_str(), kEnd.substr(0, kEnd.size() - 1).c_str());
        return 1;
    }
    // Appended, not "\n" + tables: GCC 12 at -O3 misreads that as an overlapping copy.
    std::string made = "\n";
    made += ControlTablesMarkdown(source / "res" / "resource.h");
    made += "\n";
    const size_t from = begin + kBegin.size();
    if (text.compare(from, end - from, made) == 0) return 0;
    if (argc == 3) {
        std::ofstream(doc, std::ios::binary) << text.substr(0, from) << made << text.substr(end);
        std::printf("%s: control tables written\n", doc.c_str());
        return 0;
    }
    std::fprintf(stderr, "%s lists other controls than the dialog templates make; "
                         "dialog_controls %s --write puts in the tables as made\n", doc.c_str(), source.c_str());
    return 1;
}
