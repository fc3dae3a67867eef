// Texts of the previews: the render cache's out-of-memory report.
#pragma once

namespace preview_texts {
inline constexpr const char* kOutOfMemory = "Out of memory %s";
inline constexpr const char* kCacheAnchor = "allocating a cache anchor\n";
inline constexpr const char* kCache = "allocating a cache\n";
inline constexpr const char* kCacheEntry = "creating a new cache entry\n";
inline constexpr const char* kCacheKey = "adding key to the cache\n";
inline constexpr const char* kCacheData = "adding data to the cache\n";
}  // namespace preview_texts
