#pragma once
// Changes a file at a known point of a program's work on it: the program's
// thread is followed through its system calls (ptrace) and held while the
// test changes the file, just as it enters its nth call of one kind on it
// (its second read of a report, say, or its second mapping of the working
// file). The file is a real one, the program unchanged.
#include <fcntl.h>
#include <signal.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/user.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>

#if defined(__x86_64__)
#define TABULON_SYSTEM_CALL_TRACER 1

// A system call and which of its arguments is the file's descriptor.
enum class FileCall { Read, Map };

// Whether descriptor `fd` of thread `tid` is the file at `path`.
inline bool DescriptorLeadsTo(pid_t tid, unsigned long long fd, const std::string& path) {
    char link[64];
    char target[4096];
    std::snprintf(link, sizeof link, "/proc/%d/fd/%llu", static_cast<int>(tid), fd);
    const ssize_t n = readlink(link, target, sizeof target - 1);
    return n > 0 && std::string(target, static_cast<size_t>(n)) == path;
}

// Follows thread `tid`, stopped and traced by this process with
// PTRACE_O_TRACESYSGOOD, until it enters its nth `call` on `path`; makes the
// change there and lets the thread go on untraced. False when the thread
// ended first. Only system calls are made on the way, so a forked child of
// a threaded process may run it.
inline bool ChangeAtCall(pid_t tid, FileCall call, int nth, const std::string& path,
                         const std::function<void()>& change) {
    int seen = 0;
    int pending = 0;  // a signal the thread is to get
    for (;;) {
        if (ptrace(PTRACE_SYSCALL, tid, nullptr, pending) != 0) return false;
        int status = 0;
        if (waitpid(tid, &status, __WALL) != tid || !WIFSTOPPED(status)) return false;
        pending = 0;
        const int signal = WSTOPSIG(status);
        if (signal == (SIGTRAP | 0x80)) {
            user_regs_struct regs{};
            ptrace(PTRACE_GETREGS, tid, nullptr, &regs);
            const bool entering = regs.rax == static_cast<unsigned long long>(-ENOSYS);
            const bool kind =
                call == FileCall::Read ? regs.orig_rax == SYS_read : regs.orig_rax == SYS_mmap;
            const auto fd = call == FileCall::Read ? regs.rdi : regs.r8;
            if (entering && kind && DescriptorLeadsTo(tid, fd, path) && ++seen == nth) {
                change();
                ptrace(PTRACE_DETACH, tid, nullptr, 0);
                return true;
            }
        } else if (signal != SIGTRAP && signal != SIGSTOP && (status >> 16) == 0) {
            pending = signal;
        }
    }
}

// A child of this process that follows the calling thread (a process cannot
// trace its own threads) and makes the change at its nth `call` on `path`.
// The child says "x" on a pipe once it follows the thread and "c" once it
// made the change, before letting the thread go, so the thread finds the
// answer waiting.
class ThreadTracer {
  public:
    ThreadTracer(FileCall call, int nth, const std::string& path,
                 const std::function<void()>& change) {
        const pid_t self = static_cast<pid_t>(syscall(SYS_gettid));
        int said[2];
        if (pipe(said) != 0) return;
        child_ = fork();
        if (child_ == 0) {
            close(said[0]);
            int status = 0;
            if (ptrace(PTRACE_SEIZE, self, nullptr, PTRACE_O_TRACESYSGOOD) != 0 ||
                ptrace(PTRACE_INTERRUPT, self, nullptr, nullptr) != 0 ||
                waitpid(self, &status, __WALL) != self || write(said[1], "x", 1) != 1)
                _exit(2);
            _exit(ChangeAtCall(self, call, nth, path,
                               [&] {
                                   change();
                                   if (write(said[1], "c", 1) != 1) _exit(3);
                               })
                      ? 0
                      : 3);
        }
        close(said[1]);
        answers_ = said[0];
        char byte = 0;
        following_ = child_ > 0 && read(answers_, &byte, 1) == 1;
    }
    // False when the system does not let a process follow another's calls.
    bool Following() const { return following_; }
    // Ends the child: true when it made the change.
    bool Changed() {
        if (child_ <= 0) return false;
        fcntl(answers_, F_SETFL, O_NONBLOCK);
        char byte = 0;
        const bool changed = following_ && read(answers_, &byte, 1) == 1 && byte == 'c';
        // A child still following the thread lets it go when it ends.
        if (!changed) kill(child_, SIGKILL);
        waitpid(child_, nullptr, 0);
        close(answers_);
        child_ = -1;
        return changed;
    }
    ~ThreadTracer() { Changed(); }
    ThreadTracer(const ThreadTracer&) = delete;
    ThreadTracer& operator=(const ThreadTracer&) = delete;

  private:
    pid_t child_ = -1;
    int answers_ = -1;
    bool following_ = false;
};
#endif
