#include "core/SettingsStore.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/DecimalNumber.h"
#include "core/Rounding.h"

namespace Tabulon {

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

// A stored number is usable when its text begins with one; "abc" and the
// empty text of a missing value are not.
std::optional<int64_t> StoredNumber(const std::string& text) {
    size_t i = text.find_first_not_of(" \t");
    if (i != std::string::npos && (text[i] == '+' || text[i] == '-')) ++i;
    if (i < text.size() && text[i] == '.') ++i;
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;
    return ReadLeadingInteger(text);
}

// Reads the twelve values, putting the fresh installation's value wherever
// the stored one cannot be used, and notes whether that happened.
class StoredValues {
  public:
    StoredValues(SettingsBackend& backend, const std::function<int16_t()>& defaultOrientation)
        : backend_(backend), defaultOrientation_(defaultOrientation) {}

    PageSetup Read() {
        const PageSetup fresh = DefaultPageSetup(0);
        PageSetup setup;
        // A page, a font size or a glyph of no size draws nothing at all.
        setup.PageSizeX = Number("PageSizeX", 1, fresh.PageSizeX);
        setup.PageSizeY = Number("PageSizeY", 1, fresh.PageSizeY);
        const std::optional<int64_t> orient = StoredNumber(Text("PageOrient"));
        setup.PageOrient = orient == 1 || orient == 2 ? static_cast<int16_t>(*orient)
                                                      : Replaced(defaultOrientation_());
        setup.SpaceX1 = Number("SpaceX1", 0, fresh.SpaceX1);
        setup.SpaceX2 = Number("SpaceX2", 0, fresh.SpaceX2);
        setup.SpaceY1 = Number("SpaceY1", 0, fresh.SpaceY1);
        setup.SpaceY2 = Number("SpaceY2", 0, fresh.SpaceY2);
        setup.FontName = Text("FontName");
        if (setup.FontName.empty()) setup.FontName = Replaced(fresh.FontName);
        setup.FontSize = ClampToInt16(Number("FontSize", 1, fresh.FontSize));
        setup.pTotals = Option("pTotals");
        setup.aTotals = Option("aTotals");
        setup.pNumbers = Option("pNumbers");
        return SanePageSetup(setup);
    }
    bool AnyReplaced() const { return replaced_; }

  private:
    std::string Text(const std::string& name) {
        return ReadRegistryString(backend_, SettingsKeyPath, name);
    }
    template <typename T>
    T Replaced(T value) {
        replaced_ = true;
        return value;
    }
    int32_t Number(const std::string& name, int64_t least, int32_t fresh) {
        const std::optional<int64_t> value = StoredNumber(Text(name));
        return value && *value >= least ? ClampToInt32(*value) : Replaced(fresh);
    }
    // True exactly for "True"; only a missing option takes the default.
    bool Option(const std::string& name) {
        const std::string text = Text(name);
        return text.empty() ? Replaced(true) : text == "True";
    }

    SettingsBackend& backend_;
    const std::function<int16_t()>& defaultOrientation_;
    bool replaced_ = false;
};

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

LoadedSettings LoadSettings(SettingsBackend& backend,
                            const std::function<int16_t()>& defaultOrientation) {
    LoadedSettings loaded;
    PageSetup& setup = loaded.setup;
    if (backend.KeyExists(SettingsKeyPath)) {
        StoredValues stored(backend, defaultOrientation);
        setup = stored.Read();
        if (stored.AnyReplaced()) {
            // The old contents go aside before anything is written over them.
            loaded.reset = true;
            loaded.kept = backend.KeepDamaged(SettingsKeyPath);
            if (!loaded.kept.path.empty()) WriteAll(setup, backend);
        }
    } else {
        setup = DefaultPageSetup(defaultOrientation());
        backend.CreateKey(SettingsKeyPath);
        WriteAll(setup, backend);
    }
    const bool portrait = setup.PageOrient == 1;
    if (portrait ? setup.PageSizeX > setup.PageSizeY : setup.PageSizeY > setup.PageSizeX)
        std::swap(setup.PageSizeX, setup.PageSizeY);
    return loaded;
}

void SaveSettings(const PageSetup& setup, SettingsBackend& backend) {
    if (!backend.KeyExists(SettingsKeyPath)) backend.CreateKey(SettingsKeyPath);
    WriteAll(setup, backend);
}

}  // namespace Tabulon
