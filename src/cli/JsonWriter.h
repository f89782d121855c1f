#pragma once
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Writes one JSON object member by member straight to a stream, for the
// machine-readable output of tabulon-export: nothing of it is kept, so a
// report of any length prints in constant memory.
class JsonWriter {
  public:
    explicit JsonWriter(std::FILE* out) : out_(out) { std::fputc('{', out_); }

    void Member(std::string_view name, long long value);
    void Member(std::string_view name, std::string_view value);
    void Member(std::string_view name, bool value);
    void Null(std::string_view name);
    void Member(std::string_view name, const std::vector<std::string>& strings);
    void Member(std::string_view name, const std::vector<long long>& numbers);
    void Member(std::string_view name, const std::vector<bool>& flags);

    // A list of rows, each a list of strings, written one row at a time.
    void BeginRows(std::string_view name);
    void Row(const std::vector<std::string>& strings);
    void EndRows();

    void Finish();

    static std::string Quote(std::string_view text);

  private:
    void Name(std::string_view name);
    void Write(std::string_view text) { std::fwrite(text.data(), 1, text.size(), out_); }

    std::FILE* out_;
    bool firstMember_ = true;
    bool firstRow_ = true;
};
