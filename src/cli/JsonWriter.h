#pragma once
#include <string>
#include <string_view>
#include <vector>

// Builds one JSON object as text, member by member, for the machine-readable
// output of tabulon-export.
class JsonWriter {
  public:
    void Member(std::string_view name, long long value);
    void Member(std::string_view name, std::string_view value);
    void Member(std::string_view name, bool value);
    void Member(std::string_view name, const std::vector<std::string>& strings);
    void Member(std::string_view name, const std::vector<long long>& numbers);
    void Member(std::string_view name, const std::vector<bool>& flags);
    // A list of lists of strings.
    void Member(std::string_view name, const std::vector<std::vector<std::string>>& rows);

    std::string Finish() const { return "{" + body_ + "\n}\n"; }

    static std::string Quote(std::string_view text);

  private:
    void Name(std::string_view name);
    std::string body_;
};
