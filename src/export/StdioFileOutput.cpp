#include "export/StdioFileOutput.h"

#include <cerrno>
#include <cstring>

#include "system/Files.h"

namespace Tabulon {

namespace {
constexpr size_t BufferSize = 1 << 16;
}

StdioFileOutput::~StdioFileOutput() {
    Close();
}

bool StdioFileOutput::Fail() {
    error_ = std::strerror(errno);
    return false;
}

bool StdioFileOutput::Open(int descriptor) {
    Close();
    file_ = System::OpenStream(descriptor);
    if (!file_) return Fail();
    std::setvbuf(file_, nullptr, _IOFBF, BufferSize);
    return true;
}

bool StdioFileOutput::Write(std::string_view bytes) {
    if (!file_) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) return Fail();
    return true;
}

bool StdioFileOutput::Close() {
    if (!file_) return true;
    bool ok = true;
    if (std::fflush(file_) != 0) ok = Fail();
    if (std::fclose(file_) != 0 && ok) ok = Fail();
    file_ = nullptr;
    return ok;
}

}  // namespace Tabulon
