#include "input/ReportTranscoder.h"

#include "core/TextEncoding.h"

namespace Tabulon {

namespace {

constexpr char32_t Replacement = 0xFFFD;
// The marks told apart; a UTF-16 one is whole in two bytes.
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF", Utf16LeMark = "\xFF\xFE",
                           Utf16BeMark = "\xFE\xFF";

}  // namespace

std::string_view ReportTranscoder::Block(std::string_view raw) {
    if (kind_ == Kind::Unknown) {
        // The file's first bytes tell its kind. A first block too short to
        // tell waits here (a few bytes at most) for the next one.
        if (!head_.empty() || raw.size() < Utf8Mark.size()) {
            head_.append(raw);
            raw = head_;
            const bool maybe = Utf8Mark.starts_with(raw) || Utf16LeMark.starts_with(raw) ||
                               Utf16BeMark.starts_with(raw);
            if (maybe && raw.size() < Utf8Mark.size() && raw != Utf16LeMark && raw != Utf16BeMark)
                return {};
        }
        raw = TakeMark(raw);
    }
    if (kind_ == Kind::Bytes) return raw;
    out_.clear();
    const bool little = kind_ == Kind::Utf16Le;
    size_t at = 0;
    if (pendingByte_ >= 0 && !raw.empty()) {
        const auto first = static_cast<uint16_t>(pendingByte_);
        const auto second = static_cast<uint16_t>(static_cast<unsigned char>(raw[0]));
        Unit(little ? static_cast<uint16_t>(first | second << 8)
                    : static_cast<uint16_t>(first << 8 | second));
        pendingByte_ = -1;
        at = 1;
    }
    for (; at + 1 < raw.size(); at += 2) {
        const auto a = static_cast<uint16_t>(static_cast<unsigned char>(raw[at]));
        const auto b = static_cast<uint16_t>(static_cast<unsigned char>(raw[at + 1]));
        Unit(little ? static_cast<uint16_t>(a | b << 8) : static_cast<uint16_t>(a << 8 | b));
    }
    if (at < raw.size()) pendingByte_ = static_cast<unsigned char>(raw[at]);
    return out_;
}

void ReportTranscoder::Unit(uint16_t unit) {
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (highSurrogate_) {
        const uint16_t first = highSurrogate_;
        highSurrogate_ = 0;
        if (low) {
            AppendUtf8(out_, 0x10000 + ((char32_t{first} - 0xD800) << 10) + (unit - 0xDC00));
            return;
        }
        AppendUtf8(out_, Replacement);
    }
    if (high)
        highSurrogate_ = unit;
    else
        AppendUtf8(out_, low ? Replacement : char32_t{unit});
}

std::string_view ReportTranscoder::TakeMark(std::string_view raw) {
    kind_ = Kind::Bytes;
    if (raw.starts_with(Utf8Mark)) {
        raw.remove_prefix(Utf8Mark.size());
    } else if (raw.starts_with(Utf16LeMark)) {
        kind_ = Kind::Utf16Le;
        raw.remove_prefix(Utf16LeMark.size());
    } else if (raw.starts_with(Utf16BeMark)) {
        kind_ = Kind::Utf16Be;
        raw.remove_prefix(Utf16BeMark.size());
    }
    return raw;
}

std::string_view ReportTranscoder::End() {
    // A file too short to tell is what it is.
    if (kind_ == Kind::Unknown) {
        kind_ = Kind::Bytes;
        return head_;
    }
    out_.clear();
    if (pendingByte_ >= 0 || highSurrogate_) AppendUtf8(out_, Replacement);
    pendingByte_ = -1;
    highSurrogate_ = 0;
    return out_;
}

}  // namespace Tabulon
