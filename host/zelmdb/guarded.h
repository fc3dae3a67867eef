// The library's C functions run their bodies through Guarded: no exception crosses into the
// plug-in, which gets the function's failure value instead.
#pragma once

namespace zelmdb {

template <class T, class F>
[[gnu::always_inline]] inline T Guarded(T failure, F&& body) {
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

}  // namespace zelmdb
