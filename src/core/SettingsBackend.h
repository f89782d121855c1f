#pragma once
#include <optional>
#include <string>

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
};
