// The computed pads of one page, in pin order, with the rectangle they cover.
#pragma once
#include <cstddef>
#include <cstdint>
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

    // Appends at the tail. Storage grows by whole blocks and is kept by RemoveAll, so a
    // recomputation of the same arrangement allocates nothing for the list itself.
    PadSite& Append(int32_t x, int32_t y, int16_t rotation, const char* name, size_t nameLength);
    void RemoveAll();

    const std::vector<PadSite>& Sites() const { return sites_; }
    size_t Count() const { return sites_.size(); }
    bool Empty() const { return sites_.empty(); }

    RECT Bounds{};     // top is the smaller y
    POINT Center{};
    PadstackInfo DefaultPad;
    PadstackInfo Pin1Pad;

private:
    void Grow();

    size_t blockSize_;
    std::vector<PadSite> sites_;
};
