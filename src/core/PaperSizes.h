#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace Tabulon {

// A paper the page setup offers by name, portrait, in twips.
struct PaperSize {
    std::string_view name;   // as the page setup lists it
    std::string_view media;  // as the spooler knows it
    int32_t width;
    int32_t height;
};

// The office's sheets and the fan-fold continuous forms reports are printed
// on (9.5 x 11 and 15 x 11 inch; the wider one is wider than high even
// standing up, since it is fed that way).
inline constexpr std::array<PaperSize, 7> PaperSizes{{
    {"A4", "A4", 11906, 16838},
    {"A3", "A3", 16838, 23811},
    {"A5", "A5", 8391, 11906},
    {"Letter", "Letter", 12240, 15840},
    {"Legal", "Legal", 12240, 20160},
    {"Sürekli form 240 x 280 mm", "Custom.9.5x11in", 13680, 15840},
    {"Sürekli form 380 x 280 mm", "Custom.15x11in", 21600, 15840},
}};

// The listed paper of these sides, either way round, within a millimetre
// (sizes stored as whole twips of millimetres differ by a twip or two).
inline std::optional<PaperSize> FindPaperSize(int32_t width, int32_t height) {
    constexpr int32_t Millimetre = 57;
    const auto near = [](int32_t a, int32_t b) { return a - b < Millimetre && b - a < Millimetre; };
    for (const PaperSize& paper : PaperSizes) {
        if ((near(width, paper.width) && near(height, paper.height)) ||
            (near(width, paper.height) && near(height, paper.width)))
            return paper;
    }
    return std::nullopt;
}

}  // namespace Tabulon
