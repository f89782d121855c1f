#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Tabulon {

// A small image in pixels (0xAARRGGBB, alpha 0 = transparent), painted at
// 15 twips per pixel.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[Index(x, y)]; }
    size_t Index(int x, int y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
    }
};

}  // namespace Tabulon
