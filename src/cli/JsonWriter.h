#pragma once
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace Tabulon {

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

    // A list of rows, each a list of `count` items, written one row at a time:
    // `append(out, i)` appends item i as JSON text. A row is one write, its
    // text gathered in a buffer kept from row to row.
    void BeginRows(std::string_view name);
    template <typename Append>
    void Row(size_t count, Append&& append) {
        row_.assign(firstRow_ ? "\n    [" : ",\n    [");
        firstRow_ = false;
        for (size_t i = 0; i < count; ++i) {
            if (i > 0) row_ += ", ";
            append(row_, i);
        }
        row_.push_back(']');
        Write(row_);
    }
    void EndRows();

    void Finish();

    static std::string Quote(std::string_view text);
    static void AppendQuoted(std::string& out, std::string_view text);

  private:
    void Name(std::string_view name);
    void Write(std::string_view text) { std::fwrite(text.data(), 1, text.size(), out_); }

    std::FILE* out_;
    bool firstMember_ = true;
    bool firstRow_ = true;
    std::string row_;
};

}  // namespace Tabulon
