#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/SettingsBackend.h"

namespace Tabulon {

// Settings held in memory, so tests never touch the user's stored page setup;
// the writes are kept to check that all twelve values go out in order.
class MemorySettingsBackend : public SettingsBackend {
  public:
    std::set<std::string> keys;
    std::map<std::string, std::string> values;  // "key|name" -> text
    std::string written;                        // "Name=text;" for each write, in order

    bool KeyExists(const std::string& keyPath) override { return keys.count(keyPath) > 0; }
    void CreateKey(const std::string& keyPath) override { keys.insert(keyPath); }
    std::optional<std::string> QueryValue(const std::string& keyPath,
                                          const std::string& name) override {
        auto it = values.find(keyPath + "|" + name);
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void SetValue(const std::string& keyPath, const std::string& name,
                  const std::string& text) override {
        keys.insert(keyPath);
        values[keyPath + "|" + name] = text;
        written += name + "=" + text + ";";
    }
    // The damaged values go to `kept`; an empty keptPath refuses, as a
    // folder the user may not write to would.
    std::map<std::string, std::string> kept;
    std::string keptPath = "Tabulon.conf.bozuk";
    Kept KeepDamaged(const std::string& keyPath) override {
        if (keptPath.empty()) return {"", "Permission denied"};
        kept = std::move(values);
        values.clear();
        keys.erase(keyPath);
        return {keptPath, ""};
    }
};

}  // namespace Tabulon
