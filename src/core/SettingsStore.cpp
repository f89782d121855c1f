#include "core/SettingsStore.h"

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

void ApplyDefaultSettings(ReportModel& model, int16_t defaultOrientation) {
    model.PageSizeX = 11906;
    model.PageSizeY = 16838;
    model.PageOrient = defaultOrientation;
    model.SpaceX1 = model.SpaceX2 = model.SpaceY1 = model.SpaceY2 = 15;
    model.FontName = "Times New Roman";
    model.FontSize = 10;
    model.pTotals = model.aTotals = model.pNumbers = true;
}

namespace {

int32_t ReadInt32(const std::string& text) {
    return ClampToInt32(ReadLeadingInteger(text));
}
int16_t ReadInt16(const std::string& text) {
    return ClampToInt16(ReadLeadingInteger(text));
}

void WriteAll(const ReportModel& model, SettingsBackend& backend) {
    const auto texts = SettingTexts(model);
    for (size_t i = 0; i < SettingNames.size(); ++i)
        backend.SetValue(SettingsKeyPath, SettingNames[i], texts[i]);
}

}  // namespace

std::array<std::string, 12> SettingTexts(const ReportModel& model) {
    return {std::to_string(model.PageSizeX),  std::to_string(model.PageSizeY),
            std::to_string(model.PageOrient), std::to_string(model.SpaceX1),
            std::to_string(model.SpaceX2),    std::to_string(model.SpaceY1),
            std::to_string(model.SpaceY2),    model.FontName,
            std::to_string(model.FontSize),   BoolText(model.pTotals),
            BoolText(model.aTotals),          BoolText(model.pNumbers)};
}

std::string ReadRegistryString(SettingsBackend& backend, const std::string& keyPath,
                               const std::string& name) {
    if (!backend.KeyExists(keyPath)) return {};
    std::string text = backend.QueryValue(keyPath, name).value_or(std::string());
    if (text.size() > ReadBufferCharacters) text.resize(ReadBufferCharacters);
    while (!text.empty() && static_cast<unsigned char>(text.back()) < '!') text.pop_back();
    return text;
}

void LoadSettings(ReportModel& model, SettingsBackend& backend, int16_t defaultOrientation) {
    ApplyDefaultSettings(model, defaultOrientation);
    if (backend.KeyExists(SettingsKeyPath)) {
        auto read = [&](const std::string& name) {
            return ReadRegistryString(backend, SettingsKeyPath, name);
        };
        model.PageSizeX = ReadInt32(read("PageSizeX"));
        model.PageSizeY = ReadInt32(read("PageSizeY"));
        model.PageOrient = ReadInt16(read("PageOrient"));
        model.SpaceX1 = ReadInt32(read("SpaceX1"));
        model.SpaceX2 = ReadInt32(read("SpaceX2"));
        model.SpaceY1 = ReadInt32(read("SpaceY1"));
        model.SpaceY2 = ReadInt32(read("SpaceY2"));
        model.FontName = read("FontName");
        model.FontSize = ReadInt16(read("FontSize"));
        model.pTotals = read("pTotals") == "True";
        model.aTotals = read("aTotals") == "True";
        model.pNumbers = read("pNumbers") == "True";
    } else {
        backend.CreateKey(SettingsKeyPath);
        WriteAll(model, backend);
    }
    const bool portrait = model.PageOrient == 1;
    if (portrait ? model.PageSizeX > model.PageSizeY : model.PageSizeY > model.PageSizeX)
        std::swap(model.PageSizeX, model.PageSizeY);
}

void SaveSettings(const ReportModel& model, SettingsBackend& backend) {
    if (!backend.KeyExists(SettingsKeyPath)) backend.CreateKey(SettingsKeyPath);
    WriteAll(model, backend);
}
