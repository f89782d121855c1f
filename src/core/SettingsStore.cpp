#include "core/SettingsStore.h"

#include <algorithm>
#include <utility>

#include "core/DecimalNumber.h"
#include "core/Rounding.h"

namespace {

// A registry read goes through a 255-character buffer, so a value is at most
// 254 characters long.
constexpr size_t ReadBufferCharacters = 254;

std::string BoolText(bool value) {
    return value ? "True" : "False";
}

}  // namespace

PageSetup DefaultPageSetup(int16_t defaultOrientation) {
    PageSetup setup;
    setup.PageSizeX = 11906;
    setup.PageSizeY = 16838;
    setup.PageOrient = defaultOrientation;
    setup.SpaceX1 = setup.SpaceX2 = setup.SpaceY1 = setup.SpaceY2 = 15;
    setup.FontName = "Times New Roman";
    setup.FontSize = 10;
    setup.pTotals = setup.aTotals = setup.pNumbers = true;
    return setup;
}

PageSetup SanePageSetup(PageSetup setup) {
    constexpr int32_t SmallestPaper = 1440, LargestPaper = 68040;  // twips
    constexpr int32_t LargestMargin = 1000;                        // millimetres
    constexpr int16_t LargestFont = 400;                           // points
    for (int32_t* size : {&setup.PageSizeX, &setup.PageSizeY})
        *size = std::clamp(*size, SmallestPaper, LargestPaper);
    for (int32_t* margin : {&setup.SpaceX1, &setup.SpaceX2, &setup.SpaceY1, &setup.SpaceY2})
        *margin = std::clamp(*margin, 0, LargestMargin);
    setup.FontSize = std::clamp<int16_t>(setup.FontSize, 0, LargestFont);
    return setup;
}

namespace {

int32_t ReadInt32(const std::string& text) {
    return ClampToInt32(ReadLeadingInteger(text));
}
int16_t ReadInt16(const std::string& text) {
    return ClampToInt16(ReadLeadingInteger(text));
}

void WriteAll(const PageSetup& setup, SettingsBackend& backend) {
    const auto texts = SettingTexts(setup);
    for (size_t i = 0; i < SettingNames.size(); ++i)
        backend.SetValue(SettingsKeyPath, SettingNames[i], texts[i]);
}

}  // namespace

std::array<std::string, 12> SettingTexts(const PageSetup& setup) {
    return {std::to_string(setup.PageSizeX),  std::to_string(setup.PageSizeY),
            std::to_string(setup.PageOrient), std::to_string(setup.SpaceX1),
            std::to_string(setup.SpaceX2),    std::to_string(setup.SpaceY1),
            std::to_string(setup.SpaceY2),    setup.FontName,
            std::to_string(setup.FontSize),   BoolText(setup.pTotals),
            BoolText(setup.aTotals),          BoolText(setup.pNumbers)};
}

std::string ReadRegistryString(SettingsBackend& backend, const std::string& keyPath,
                               const std::string& name) {
    if (!backend.KeyExists(keyPath)) return {};
    std::string text = backend.QueryValue(keyPath, name).value_or(std::string());
    if (text.size() > ReadBufferCharacters) text.resize(ReadBufferCharacters);
    while (!text.empty() && static_cast<unsigned char>(text.back()) < '!') text.pop_back();
    return text;
}

PageSetup LoadSettings(SettingsBackend& backend,
                       const std::function<int16_t()>& defaultOrientation) {
    PageSetup setup;
    if (backend.KeyExists(SettingsKeyPath)) {
        auto read = [&](const std::string& name) {
            return ReadRegistryString(backend, SettingsKeyPath, name);
        };
        setup.PageSizeX = ReadInt32(read("PageSizeX"));
        setup.PageSizeY = ReadInt32(read("PageSizeY"));
        setup.PageOrient = ReadInt16(read("PageOrient"));
        setup.SpaceX1 = ReadInt32(read("SpaceX1"));
        setup.SpaceX2 = ReadInt32(read("SpaceX2"));
        setup.SpaceY1 = ReadInt32(read("SpaceY1"));
        setup.SpaceY2 = ReadInt32(read("SpaceY2"));
        setup.FontName = read("FontName");
        setup.FontSize = ReadInt16(read("FontSize"));
        setup.pTotals = read("pTotals") == "True";
        setup.aTotals = read("aTotals") == "True";
        setup.pNumbers = read("pNumbers") == "True";
        setup = SanePageSetup(setup);
    } else {
        setup = DefaultPageSetup(defaultOrientation());
        backend.CreateKey(SettingsKeyPath);
        WriteAll(setup, backend);
    }
    const bool portrait = setup.PageOrient == 1;
    if (portrait ? setup.PageSizeX > setup.PageSizeY : setup.PageSizeY > setup.PageSizeX)
        std::swap(setup.PageSizeX, setup.PageSizeY);
    return setup;
}

void SaveSettings(const PageSetup& setup, SettingsBackend& backend) {
    if (!backend.KeyExists(SettingsKeyPath)) backend.CreateKey(SettingsKeyPath);
    WriteAll(setup, backend);
}
