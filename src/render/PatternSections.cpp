#include "render/PatternSections.h"

namespace Tabulon {

namespace {

PatternSection ReadSection(std::string_view text) {
    PatternSection s;
    size_t first = text.size(), last = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '0' || text[i] == '#') {
            if (first == text.size()) first = i;
            last = i;
        }
    }
    if (first == text.size()) {  // no digit placeholder: the whole section is text
        s.prefix = std::string(text);
        return s;
    }
    // A decimal point right after the last digit still belongs to the number.
    if (last + 1 < text.size() && text[last + 1] == '.') ++last;
    s.prefix = std::string(text.substr(0, first));
    s.suffix = std::string(text.substr(last + 1));
    bool afterPoint = false;
    bool pendingComma = false;
    for (size_t i = first; i <= last; ++i) {
        const char c = text[i];
        if (c == '.') {
            if (!afterPoint) {
                afterPoint = true;
                s.hasDecimalPoint = true;
            }
        } else if (c == ',') {
            if (!afterPoint) pendingComma = true;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                ++s.decimals;
                if (c == '0') s.minDecimals = s.decimals;
            } else {
                // A comma counts as grouping only between digit placeholders.
                if (pendingComma) s.grouped = true;
                pendingComma = false;
                if (c == '0') ++s.minIntegerDigits;
            }
        }
    }
    return s;
}

}  // namespace

PatternSections ReadSections(std::string_view pattern) {
    PatternSections sections;
    sections.asIs = pattern.empty() || pattern == "@";
    size_t start = 0;
    for (;;) {
        const size_t semicolon = pattern.find(';', start);
        const std::string_view text =
            pattern.substr(start, semicolon == std::string_view::npos ? std::string_view::npos
                                                                      : semicolon - start);
        if (sections.count < sections.section.size()) {
            sections.section[sections.count] = ReadSection(text);
            sections.emptyText[sections.count] = text.empty();
        }
        ++sections.count;
        if (semicolon == std::string_view::npos) return sections;
        start = semicolon + 1;
    }
}

}  // namespace Tabulon
