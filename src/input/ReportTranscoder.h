#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace Tabulon {

// The report's bytes as its lines are read: a UTF-8 byte-order mark at the
// start is dropped, a file that starts with a UTF-16 mark (little or big
// endian, as some Windows programs write text) is turned into UTF-8 block by
// block, and any other file passes unchanged, to be read line by line as
// UTF-8 or Windows-1254. Memory stays one block's worth: a character cut by
// the block's end waits for the next block in at most three bytes.
class ReportTranscoder {
  public:
    // The next block read from the file, as the lines are to be taken from
    // it; valid until the next call.
    std::string_view Block(std::string_view raw);
    // What an unfinished character at the file's end leaves: a replacement
    // character for an odd last byte or a lone high surrogate, else nothing.
    std::string_view End();

  private:
    enum class Kind { Unknown, Bytes, Utf16Le, Utf16Be };
    void Unit(uint16_t unit);
    // Tells the kind by the file's first bytes and drops the mark.
    std::string_view TakeMark(std::string_view raw);

    Kind kind_ = Kind::Unknown;
    std::string head_;  // the first bytes, while too few to tell the kind
    std::string out_;
    int pendingByte_ = -1;        // the first byte of a unit cut by the block's end
    uint16_t highSurrogate_ = 0;  // waiting for its low half
};

}  // namespace Tabulon
