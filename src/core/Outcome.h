#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace Tabulon {

// What the engine was doing when it failed. The windows and tabulon-export
// choose their sentence by it; the engine itself never words a failure.
enum class Operation : uint8_t {
    Stop,          // the user stopped it through the progress callback: nothing to say
    ReadReport,    // opening or reading the report file
    MakeWorkFile,  // creating or writing a working file
    ReadWorkFile,  // reading a working file back
    SaveFile,      // writing an output and putting it in place
    FillSheet,     // more rows than a sheet holds (`count` of them)
    FindRoom,      // room for the working file in its folder (the folder)
};

// Why something could not be done: the file, what was being done to it, and
// the system's reason in its own words.
struct Failure {
    Operation operation = Operation::Stop;
    std::string path;
    std::string reason;
    int64_t count = 0;  // the number a sentence needs, where one does
};

inline const Failure& NoFailure() {
    static const Failure none;
    return none;
}

// How a fallible step ended: success, with its value where it has one, or
// the failure. Where a step that failed still made something of use (a load
// that kept its rows so far), the value holds it beside the failure.
template <typename T = void>
class [[nodiscard]] Outcome {
  public:
    Outcome() = default;
    Outcome(T value) : value_(std::move(value)) {}  // NOLINT: success converts implicitly
    Outcome(Failure failure) : failure_(std::move(failure)) {}  // NOLINT: so does failure
    Outcome(T value, Failure failure) : value_(std::move(value)), failure_(std::move(failure)) {}

    bool Ok() const { return !failure_; }
    bool Stopped() const { return failure_ && failure_->operation == Operation::Stop; }
    // What failed; an empty failure when nothing did.
    const Failure& Why() const { return failure_ ? *failure_ : NoFailure(); }

    T& Value() { return value_; }
    const T& Value() const { return value_; }
    T& operator*() { return value_; }
    const T& operator*() const { return value_; }
    T* operator->() { return &value_; }
    const T* operator->() const { return &value_; }

  private:
    T value_{};
    std::optional<Failure> failure_;
};

template <>
class [[nodiscard]] Outcome<void> {
  public:
    Outcome() = default;
    Outcome(Failure failure)
        : failure_(std::move(failure)) {}  // NOLINT: failure converts implicitly

    bool Ok() const { return !failure_; }
    bool Stopped() const { return failure_ && failure_->operation == Operation::Stop; }
    const Failure& Why() const { return failure_ ? *failure_ : NoFailure(); }

  private:
    std::optional<Failure> failure_;
};

// The failure of a step stopped by the user.
inline Failure StoppedByUser() {
    return {};
}

// A step that failed while a file was being saved (its rows could not be
// read, say): said as a save of that file that failed.
inline Failure WhileSaving(Failure failure, const std::string& targetPath) {
    failure.path = targetPath;
    return failure;
}

}  // namespace Tabulon
