// Key lookup and value conversion over a host profile section; see profile_section_view.h.
#include "sheet/profile_section_view.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"

namespace {

namespace layout = zelmdb::ProfileSectionLayout;

// A handle the host no longer knows reads as the empty text.
const char* HandleText(uint32_t handle) {
    const char* text = ComIniHandleText(handle);
    return text != nullptr ? text : "";
}

}  // namespace

int ProfileSectionView::Count() const {
    return std::clamp<int>(record_.I16(layout::Count), 0, zelmdb::MaxProfileEntries);
}

std::string ProfileSectionView::Value(const char* key) const {
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        const size_t at = layout::Entry(i);
        if (std::strcmp(HandleText(record_.U32(at + layout::Key)), key) != 0) continue;
        const std::string value = HandleText(record_.U32(at + layout::Value));
        return value.substr(0, kProfileValueBuffer - 1);
    }
    return std::string();
}

int32_t ProfileValueToInt(const char* text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (std::isspace(*p)) ++p;
    bool negative = false;
    if (*p == '-' || *p == '+') negative = *p++ == '-';
    // Past 32 bits the value stays at the limit, so a damaged file reads as far off screen (and
    // the saved state as unusable) instead of wrapping round to some position on it.
    constexpr int64_t kLimit = int64_t(INT32_MAX) + 1;
    int64_t value = 0;
    while (*p >= '0' && *p <= '9') value = std::min(value * 10 + (*p++ - '0'), kLimit);
    return int32_t(std::clamp<int64_t>(negative ? -value : value, INT32_MIN, INT32_MAX));
}
