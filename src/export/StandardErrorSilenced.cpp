#include "export/StandardErrorSilenced.h"

#include <cstdio>

namespace Tabulon {

namespace {

// A stream that takes everything and keeps nothing: no descriptor, so it
// works when the program has run out of them, and no memory that grows.
std::FILE* OpenSink() {
#ifdef __GLIBC__
    cookie_io_functions_t discard{};
    discard.write = [](void*, const char*, size_t size) -> ssize_t {
        return static_cast<ssize_t>(size);
    };
    if (std::FILE* sink = fopencookie(nullptr, "w", discard)) return sink;
#endif
    return std::fopen("/dev/null", "w");
}

// Opened once and kept for the program's life: the swap costs two
// assignments, cheap enough to wrap every row.
std::FILE* Sink() {
    static std::FILE* const sink = OpenSink();
    return sink;
}

}  // namespace

StandardErrorSilenced::StandardErrorSilenced() : saved_(stderr) {
    if (std::FILE* sink = Sink()) stderr = sink;
}

StandardErrorSilenced::~StandardErrorSilenced() {
    stderr = saved_;
}

}  // namespace Tabulon
