#include "export/StdioFileOutput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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
    const int copy = fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (copy < 0) return Fail();
    file_ = fdopen(copy, "wb");
    if (!file_) {
        Fail();
        close(copy);
        return false;
    }
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
