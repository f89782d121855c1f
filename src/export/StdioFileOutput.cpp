#include "export/StdioFileOutput.h"

#include <cerrno>
#include <cstring>

#include "system/Files.h"

namespace Tabulon {

namespace {
constexpr size_t BufferSize = 1 << 16;
}

StdioFileOutput::~StdioFileOutput() {
    if (file_) std::fclose(file_);
}

bool StdioFileOutput::Fail() {
    if (error_ == 0) error_ = errno != 0 ? errno : EIO;
    return false;
}

Outcome<> StdioFileOutput::Open(int descriptor, const std::string& path) {
    if (file_) std::fclose(file_);
    path_ = path;
    error_ = 0;
    file_ = System::OpenStream(descriptor);
    if (!file_) {
        Fail();
        return Failure{Operation::SaveFile, path_, std::strerror(error_)};
    }
    std::setvbuf(file_, nullptr, _IOFBF, BufferSize);
    return {};
}

bool StdioFileOutput::Write(std::string_view bytes) {
    if (!file_ || error_ != 0) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) return Fail();
    return true;
}

Outcome<> StdioFileOutput::Close() {
    if (file_) {
        if (std::fflush(file_) != 0) Fail();
        if (std::fclose(file_) != 0) Fail();
        file_ = nullptr;
    }
    if (error_ == 0) return {};
    return Failure{Operation::SaveFile, path_, std::strerror(error_)};
}

}  // namespace Tabulon
