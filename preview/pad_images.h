// The rendered pad images of the preview, one per appearance, kept in the shared render cache
// under their key with a white mask beside them.
#pragma once
#include "array/pad_site_list.h"
#include "platform/gdi/gdi.h"
#include "preview/pad_image_key.h"

// The image box of a key: the pad's box turned by its rotation, plus a pixel each side.
SIZE PadImageSize(const PadImageKey& key);

// Renders what the cache lacks for pin 1 and every rotation of the other pads; creates the
// cache when there is none.
void EnsurePadImages(const PadSiteList& pads, double scale, bool drill, HDC display);

// The bitmap stored under a key, or 0.
HBITMAP FindPadImage(const PadImageKey& key);

// Deletes every image and the cache itself; the next paint renders afresh.
void ClearPadImages();
bool HasPadImages();
