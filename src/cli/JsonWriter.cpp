#include "cli/JsonWriter.h"

#include <algorithm>

namespace Tabulon {

void JsonWriter::AppendQuoted(std::string& out, std::string_view text) {
    static const char hex[] = "0123456789abcdef";
    out.push_back('"');
    const auto plain = [](char c) {
        return c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20;
    };
    // Most texts, numbers above all, need no escape: they go in whole.
    if (std::all_of(text.begin(), text.end(), plain)) {
        out.append(text);
        out.push_back('"');
        return;
    }
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
                    out += "\\u00";
                    out += hex[(c >> 4) & 0xF];
                    out += hex[c & 0xF];
                } else {
                    out.push_back(c);
                }
        }
    }
    out.push_back('"');
}

std::string JsonWriter::Quote(std::string_view text) {
    std::string out;
    AppendQuoted(out, text);
    return out;
}

void JsonWriter::Name(std::string_view name) {
    if (!firstMember_) Write(",");
    firstMember_ = false;
    Write("\n  ");
    Write(Quote(name));
    Write(": ");
}

void JsonWriter::Member(std::string_view name, long long value) {
    Name(name);
    Write(std::to_string(value));
}

void JsonWriter::Member(std::string_view name, std::string_view value) {
    Name(name);
    Write(Quote(value));
}

void JsonWriter::Member(std::string_view name, bool value) {
    Name(name);
    Write(value ? "true" : "false");
}

void JsonWriter::Null(std::string_view name) {
    Name(name);
    Write("null");
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
    Write(List(strings, [](const std::string& s) { return Quote(s); }));
}

void JsonWriter::Member(std::string_view name, const std::vector<long long>& numbers) {
    Name(name);
    Write(List(numbers, [](long long n) { return std::to_string(n); }));
}

void JsonWriter::Member(std::string_view name, const std::vector<bool>& flags) {
    Name(name);
    Write(List(flags, [](bool b) { return std::string(b ? "true" : "false"); }));
}

void JsonWriter::BeginRows(std::string_view name) {
    Name(name);
    Write("[");
    firstRow_ = true;
}

void JsonWriter::EndRows() {
    Write(firstRow_ ? "]" : "\n  ]");
}

void JsonWriter::Finish() {
    Write("\n}\n");
    std::fflush(out_);
}

}  // namespace Tabulon
