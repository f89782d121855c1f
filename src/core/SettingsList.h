#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/SettingsBackend.h"

namespace Tabulon {

// A short list kept in the settings beside the page setup, most recent first,
// one value a slot ("Name1", "Name2", ...): a fixed number of names, so the
// settings file stays the same size however long the program is used. An
// empty slot ends the list.
class SettingsList {
  public:
    SettingsList(SettingsBackend& backend, std::string name, size_t slots);

    std::vector<std::string> Read() const;
    // The item first, any item `same` takes for it dropped, and the list cut
    // to its slots.
    void PutFirst(const std::string& item,
                  const std::function<bool(const std::string&)>& same) const;
    // The items `same` takes dropped; true when there was one.
    bool Drop(const std::function<bool(const std::string&)>& same) const;

  private:
    void Write(const std::vector<std::string>& items) const;

    SettingsBackend& backend_;
    std::string name_;
    size_t slots_;
};

}  // namespace Tabulon
