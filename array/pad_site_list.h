// The computed pads of one page, in pin order, with the rectangle they cover.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "array/padstack_info.h"
#include "platform/win/win_types.h"

// One pad of the arrangement, in database units with y up.
struct PadSite {
    int32_t X = 0;
    int32_t Y = 0;
    int16_t Rotation = 0;   // minutes of arc; 21600 is a full turn
    std::string Name;
};

class PadSiteList {
public:
    explicit PadSiteList(size_t blockSize = 10);

    // Appends at the tail. Storage grows by whole blocks and RemoveAll keeps the pads it
    // removes, names and all, for the next ones to take over: a recomputation of the same
    // arrangement allocates nothing.
    PadSite& Append(int32_t x, int32_t y, int16_t rotation, const char* name, size_t nameLength);
    void RemoveAll() { count_ = 0; }

    std::span<const PadSite> Sites() const { return {sites_.data(), count_}; }
    size_t Count() const { return count_; }
    bool Empty() const { return count_ == 0; }

    RECT Bounds{};     // top is the smaller y
    POINT Center{};
    PadstackInfo DefaultPad;
    PadstackInfo Pin1Pad;

private:
    void Grow();

    size_t blockSize_;
    size_t count_ = 0;
    std::vector<PadSite> sites_;   // the first count_ are the list's; the rest wait to be reused
};
