// Telling an earlier export from a file a person would not want to lose; see export_target.h.
#include "host/orvex/export/export_target.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <string_view>

#include "host/orvex/export/kicad_footprint.h"
#include "host/zelmdb/design_store.h"

namespace {

// An SQLite file keeps its application id, big-endian, at this offset of its header.
constexpr size_t kApplicationIdAt = 68;
constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};

// The first bytes of the file; an earlier export names its generator near the top.
std::string Head(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return "";
    char bytes[1024];
    const ssize_t n = ::read(fd, bytes, sizeof bytes);
    ::close(fd);
    return n > 0 ? std::string(bytes, size_t(n)) : "";
}

bool OursAsDesign(const std::string& head) {
    if (head.size() < kApplicationIdAt + 4 || head.compare(0, kSqliteMagic.size(), kSqliteMagic) != 0) return false;
    uint32_t id = 0;
    for (size_t i = 0; i < 4; ++i) id = id << 8 | uint8_t(head[kApplicationIdAt + i]);
    return id == uint32_t(zelmdb::DesignStore::ApplicationId);
}

bool EarlierExport(const std::string& head) {
    const std::string generator = std::string("(generator ").append(KicadGenerator).append(")");
    return head.rfind("(footprint ", 0) == 0 && head.find(generator) != std::string::npos;
}

}  // namespace

Status ExportTarget(const std::string& path, bool force) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return {};
    if (S_ISDIR(st.st_mode)) return Failure{path + " is a folder, not a file to export to"};
    if (!S_ISREG(st.st_mode)) return Failure{path + " is not a file to export to"};
    const std::string head = Head(path);
    if (OursAsDesign(head)) return Failure{path + " is an Orvex design or library; an export never writes over one"};
    if (force || EarlierExport(head)) return {};
    return Failure{path + " exists and is not a footprint orvex exported; give --force to replace it"};
}
