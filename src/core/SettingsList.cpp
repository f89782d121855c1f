#include "core/SettingsList.h"

#include <algorithm>

#include "core/SettingsStore.h"

namespace Tabulon {

SettingsList::SettingsList(SettingsBackend& backend, std::string name, size_t slots)
    : backend_(backend), name_(std::move(name)), slots_(slots) {}

std::vector<std::string> SettingsList::Read() const {
    std::vector<std::string> items;
    for (size_t i = 1; i <= slots_; ++i) {
        const std::optional<std::string> item =
            backend_.QueryValue(SettingsKeyPath, name_ + std::to_string(i));
        if (!item || item->empty()) break;
        items.push_back(*item);
    }
    return items;
}

void SettingsList::PutFirst(const std::string& item,
                            const std::function<bool(const std::string&)>& same) const {
    std::vector<std::string> items = Read();
    std::erase_if(items, same);
    items.insert(items.begin(), item);
    Write(items);
}

bool SettingsList::Drop(const std::function<bool(const std::string&)>& same) const {
    std::vector<std::string> items = Read();
    if (std::erase_if(items, same) == 0) return false;
    Write(items);
    return true;
}

void SettingsList::Write(const std::vector<std::string>& items) const {
    // Slots past the list are emptied rather than removed: the backend keeps
    // names, and an empty one ends the list when read.
    const size_t used = std::min(items.size(), slots_);
    for (size_t i = 0; i < slots_; ++i) {
        const std::string slot = name_ + std::to_string(i + 1);
        const std::string text = i < used ? items[i] : std::string();
        if (backend_.QueryValue(SettingsKeyPath, slot).value_or("") != text)
            backend_.SetValue(SettingsKeyPath, slot, text);
    }
}

}  // namespace Tabulon
