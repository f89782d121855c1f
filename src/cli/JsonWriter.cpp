#include "cli/JsonWriter.h"

#include <cstdio>

std::string JsonWriter::Quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out.push_back(c);
                }
        }
    }
    return out + "\"";
}

void JsonWriter::Name(std::string_view name) {
    if (!body_.empty()) body_ += ",";
    body_ += "\n  " + Quote(name) + ": ";
}

void JsonWriter::Member(std::string_view name, long long value) {
    Name(name);
    body_ += std::to_string(value);
}

void JsonWriter::Member(std::string_view name, std::string_view value) {
    Name(name);
    body_ += Quote(value);
}

void JsonWriter::Member(std::string_view name, bool value) {
    Name(name);
    body_ += value ? "true" : "false";
}

namespace {
template <typename T, typename F>
std::string List(const std::vector<T>& items, F&& format) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += ", ";
        out += format(items[i]);
    }
    return out + "]";
}
}  // namespace

void JsonWriter::Member(std::string_view name, const std::vector<std::string>& strings) {
    Name(name);
    body_ += List(strings, [](const std::string& s) { return Quote(s); });
}

void JsonWriter::Member(std::string_view name, const std::vector<long long>& numbers) {
    Name(name);
    body_ += List(numbers, [](long long n) { return std::to_string(n); });
}

void JsonWriter::Member(std::string_view name, const std::vector<bool>& flags) {
    Name(name);
    body_ += List(flags, [](bool b) { return std::string(b ? "true" : "false"); });
}

void JsonWriter::Member(std::string_view name, const std::vector<std::vector<std::string>>& rows) {
    Name(name);
    body_ += "[";
    for (size_t i = 0; i < rows.size(); ++i) {
        body_ += i > 0 ? ",\n    " : "\n    ";
        body_ += List(rows[i], [](const std::string& s) { return Quote(s); });
    }
    body_ += rows.empty() ? "]" : "\n  ]";
}
