#include "core/PrinterChoices.h"

#include <array>
#include <cstdio>

#include "core/DecimalNumber.h"
#include "core/SettingsStore.h"

namespace Tabulon {

namespace {

// The settings store separates groups with '/' and '\'; a printer's name may
// hold either (a Windows share is "\\server\queue").
std::string PrinterKey(const std::string& printer, const char* value) {
    std::string key = "Printers/";
    for (const char c : printer) {
        if (c == '/' || c == '\\' || c == '%') {
            std::array<char, 4> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "%%%02X", static_cast<unsigned char>(c));
            key += escaped.data();
        } else {
            key += c;
        }
    }
    return key + "/" + value;
}

// The words of tabulon-export print's --sides.
constexpr std::array<const char*, 3> SidesWords{"one", "two-long", "two-short"};

}  // namespace

PrinterChoices LoadPrinterChoices(SettingsBackend& backend, const std::string& printer) {
    PrinterChoices choices;
    const auto text = [&](const char* name) {
        return ReadRegistryString(backend, SettingsKeyPath, PrinterKey(printer, name));
    };
    const std::string copies = text("Copies");
    if (!copies.empty() && copies.find_first_not_of("0123456789") == std::string::npos) {
        const int64_t count = ReadLeadingInteger(copies);
        if (count >= 1 && count <= MostCopies) choices.copies = static_cast<int>(count);
    }
    choices.collate = text("Collate") != "False";
    const std::string sides = text("Sides");
    for (size_t i = 0; i < SidesWords.size(); ++i)
        if (sides == SidesWords[i]) choices.sides = static_cast<PrinterChoices::Sides>(i);
    choices.reverse = text("Reverse") == "True";
    return choices;
}

void SavePrinterChoices(SettingsBackend& backend, const std::string& printer,
                        const PrinterChoices& choices) {
    if (!backend.KeyExists(SettingsKeyPath)) backend.CreateKey(SettingsKeyPath);
    const auto set = [&](const char* name, const std::string& text) {
        backend.SetValue(SettingsKeyPath, PrinterKey(printer, name), text);
    };
    set("Copies", std::to_string(choices.copies));
    set("Collate", choices.collate ? "True" : "False");
    set("Sides", SidesWords[static_cast<size_t>(choices.sides)]);
    set("Reverse", choices.reverse ? "True" : "False");
}

}  // namespace Tabulon
