// Pad list storage: contiguous, grown in whole blocks.
#include "array/pad_site_list.h"

#include "array/short_copy.h"

PadSiteList::PadSiteList(size_t blockSize) : blockSize_(blockSize ? blockSize : 1) {}

void PadSiteList::Grow() {
    // Double, but always in whole blocks, so 3200 pads take a handful of moves, not 320.
    const size_t wanted = sites_.capacity() * 2 + blockSize_;
    sites_.reserve((wanted + blockSize_ - 1) / blockSize_ * blockSize_);
}

PadSite& PadSiteList::Append(int32_t x, int32_t y, int16_t rotation, const char* name,
                             size_t nameLength) {
    if (count_ == sites_.size()) {
        if (sites_.size() == sites_.capacity()) Grow();
        sites_.emplace_back();
    }
    PadSite& site = sites_[count_++];
    site.X = x;
    site.Y = y;
    site.Rotation = rotation;
    site.Name.resize(nameLength);
    CopyShort(site.Name.data(), name, nameLength);
    return site;
}
