#include "input/RowStore.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/TextEncoding.h"

namespace {
constexpr size_t BufferSize = 1 << 16;

// The text of a record, into a string whose buffer is reused row after row.
std::string_view TextOf(const char* record) {
    size_t length = static_cast<unsigned char>(record[0]) |
                    (static_cast<size_t>(static_cast<unsigned char>(record[1])) << 8);
    if (length > RowStore::TextSize) length = RowStore::TextSize;
    return {record + 2, length};
}
}  // namespace

RowStore::~RowStore() {
    Close();
}

std::string RowStore::EncodeRecord(std::string_view text) {
    std::string record(RecordSize, ' ');
    record[0] = static_cast<char>(TextSize & 0xFF);
    record[1] = static_cast<char>(TextSize >> 8);
    const std::string_view cut = CutUtf8(text, TextSize);
    std::memcpy(record.data() + 2, cut.data(), cut.size());
    return record;
}

bool RowStore::Fail(const char* what) {
    lastError_ = std::string(what) + ": " + std::strerror(errno);
    return false;
}

bool RowStore::Create(const std::string& path) {
    Close();
    path_ = path;
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) return Fail("create");
    std::setvbuf(file_, nullptr, _IOFBF, BufferSize);
    writing_ = true;
    recordCount_ = 0;
    return true;
}

bool RowStore::Append(std::string_view text) {
    if (!file_ || !writing_) return false;
    const std::string record = EncodeRecord(text);
    if (std::fwrite(record.data(), 1, RecordSize, file_) != RecordSize) return Fail("write");
    ++recordCount_;
    return true;
}

bool RowStore::Open(const std::string& path) {
    Close();
    path_ = path;
    writing_ = false;
    recordCount_ = 0;
    nextRecord_ = 1;
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) {
        if (errno == ENOENT) return true;  // no file yet: no records
        return Fail("open");
    }
    std::setvbuf(file_, nullptr, _IOFBF, BufferSize);
    if (fseeko(file_, 0, SEEK_END) != 0) return Fail("seek");
    const off_t size = ftello(file_);
    if (size < 0) return Fail("seek");
    recordCount_ = static_cast<int64_t>(size) / static_cast<int64_t>(RecordSize);
    return Seek(1);
}

bool RowStore::Seek(int64_t n) {
    if (fseeko(file_, static_cast<off_t>((n - 1) * static_cast<int64_t>(RecordSize)), SEEK_SET) !=
        0)
        return Fail("seek");
    nextRecord_ = n;
    return true;
}

bool RowStore::ReadNext(std::string& text) {
    if (!file_ || writing_ || nextRecord_ > recordCount_) return false;
    char record[RecordSize];
    if (std::fread(record, 1, RecordSize, file_) != RecordSize) return Fail("read");
    ++nextRecord_;
    text.assign(TextOf(record));
    return true;
}

bool RowStore::ReadNextRun(int64_t count, std::vector<char>& block,
                           std::vector<std::string_view>& texts) {
    texts.clear();
    if (!file_ || writing_ || count <= 0 || nextRecord_ > recordCount_) return false;
    count = std::min(count, recordCount_ - nextRecord_ + 1);
    block.resize(static_cast<size_t>(count) * RecordSize);
    if (std::fread(block.data(), 1, block.size(), file_) != block.size()) return Fail("read");
    nextRecord_ += count;
    for (int64_t i = 0; i < count; ++i) texts.push_back(TextOf(block.data() + i * RecordSize));
    return true;
}

bool RowStore::ReadRecord(int64_t n, std::string& text) {
    if (!file_ || writing_ || n < 1 || n > recordCount_) return false;
    if (n != nextRecord_ && !Seek(n)) return false;
    return ReadNext(text);
}

bool RowStore::ReadRecords(int64_t first, int64_t count, std::vector<std::string>& texts) {
    texts.clear();
    if (!file_ || writing_ || first < 1 || count <= 0 || first > recordCount_) return false;
    if (first != nextRecord_ && !Seek(first)) return false;
    std::vector<char> block;
    std::vector<std::string_view> views;
    if (!ReadNextRun(count, block, views)) return false;
    texts.assign(views.begin(), views.end());
    return true;
}

bool RowStore::Close() {
    if (!file_) return true;
    bool ok = true;
    if (writing_ && std::fflush(file_) != 0) ok = Fail("write");
    if (std::fclose(file_) != 0 && ok) ok = Fail("close");
    file_ = nullptr;
    return ok;
}
