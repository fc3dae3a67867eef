// The private-profile calls over any settings file: the lists of sections and keys in buffers
// of every size (cut lists end in two zeros and say so), values with their quotes, numbers, a
// section replaced by any zero-separated lines, held back or not, and the host's section record
// read over it.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/host_environment.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "platform/win/profile.h"
#include "platform/win/profile_hold.h"

namespace {

// The zero-separated list in `out` as returned into `size` characters, checked for its ends.
std::vector<std::string> CheckedList(const char* out, DWORD n, DWORD size) {
    if (n >= size || out[n] != '\0') std::abort();
    std::vector<std::string> items;
    for (DWORD at = 0; at < n; at += DWORD(items.back().size()) + 1) items.emplace_back(out + at);
    return items;
}

void ReadAll(const char* path, DWORD small) {
    std::vector<char> big(1 << 16), cut(small);
    const DWORD n = GetPrivateProfileStringA(nullptr, nullptr, "", big.data(), DWORD(big.size()), path);
    CheckedList(cut.data(), GetPrivateProfileStringA(nullptr, nullptr, "", cut.data(), small, path), small);
    for (const std::string& section : CheckedList(big.data(), n, DWORD(big.size()))) {
        std::vector<char> keys(1 << 16);
        const DWORD k = GetPrivateProfileStringA(section.c_str(), nullptr, "", keys.data(), DWORD(keys.size()), path);
        for (const std::string& key : CheckedList(keys.data(), k, DWORD(keys.size()))) {
            const DWORD v = GetPrivateProfileStringA(section.c_str(), key.c_str(), "x", cut.data(), small, path);
            if (v >= small || cut[v] != '\0') std::abort();
            GetPrivateProfileIntA(section.c_str(), key.c_str(), 7, path);
        }
        CheckedList(cut.data(), GetPrivateProfileSectionA(section.c_str(), cut.data(), small, path), small);
    }
}

std::string SectionText(const char* path, const char* section) {
    std::vector<char> out(1 << 16);
    return std::string(out.data(), GetPrivateProfileSectionA(section, out.data(), DWORD(out.size()), path));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const DWORD small = 2 + data[0] % 64;
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    // The file runs to the first zero; what follows is a section's lines, closed by two zeros.
    const size_t zero = rest.find('\0');
    const std::string file = rest.substr(0, zero);
    const std::string lines = zero == std::string::npos ? std::string(2, '\0') : rest.substr(zero + 1) + std::string(2, '\0');
    char path[] = "/tmp/profile-fuzz-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return 0;
    const bool whole = write(fd, file.data(), file.size()) == ssize_t(file.size());
    close(fd);
    std::string held;
    if (whole) {
        ReadAll(path, small);
        {
            // Held writes: reads see them as the file they end in will read.
            const ProfileHold hold;
            WritePrivateProfileSectionA("S", lines.c_str(), path);
            if (data[0] & 0x80) WritePrivateProfileSectionA("T", lines.c_str(), path);
            ReadAll(path, small);
            held = SectionText(path, "T");
        }
        if (SectionText(path, "T") != held) std::abort();
        zelmdb::HostEnvironment::Get().SetCurrentIni(std::string(path));
        uint8_t* buffer = MemAllocUnion();
        const int count = ComIniGetProfileSection("S", buffer);
        const zelmdb::ByteRecord record(buffer);
        for (int i = 0; i < count; ++i) {
            const size_t at = zelmdb::ProfileSectionLayout::Entry(i);
            if (!ComIniHandleText(record.U32(at + zelmdb::ProfileSectionLayout::Key))) std::abort();
        }
        ComIniFreeProfileSection(buffer);
        MemFreeUnion(buffer);
        zelmdb::HostEnvironment::Get().SetCurrentIni(std::nullopt);
    }
    std::remove(path);
    return 0;
}
