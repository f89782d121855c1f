#pragma once
#include <optional>
#include <string>

namespace Tabulon {

// Where the page setup is kept between runs: a key holding named string values.
// The Qt implementation maps it to the user's native settings store; tests use
// an in-memory one.
class SettingsBackend {
  public:
    virtual ~SettingsBackend() = default;
    virtual bool KeyExists(const std::string& keyPath) = 0;
    virtual void CreateKey(const std::string& keyPath) = 0;
    // nullopt when the key or the value is missing.
    virtual std::optional<std::string> QueryValue(const std::string& keyPath,
                                                  const std::string& name) = 0;
    virtual void SetValue(const std::string& keyPath, const std::string& name,
                          const std::string& text) = 0;

    // Where a damaged key's contents went, or why they could not be kept.
    struct Kept {
        std::string path;    // empty when nothing could be kept
        std::string reason;  // the system's reason when nothing could be kept
    };
    // Moves the key's present contents aside, under a name that says they
    // were damaged, and leaves the key empty: the user's own values are never
    // written over, whatever made them unusable.
    virtual Kept KeepDamaged(const std::string& keyPath) = 0;
};

}  // namespace Tabulon
