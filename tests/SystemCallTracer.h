#pragma once
// Changes a real file at a known point of an unchanged program's work on it:
// as its thread enters its nth read or mapping of the file (its second read
// of a report, say), the thread is held while the test changes the file.
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

enum class FileCall { Read, Map };

// A child of this process follows the calling thread (a process cannot trace
// its own threads), making only system calls, so a threaded process may start
// it. It says "x" on a pipe once it follows and "c" once it made the change,
// before letting the thread go, so the thread finds the answer waiting.
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
            if (!ReachCall(self, call, nth, path)) _exit(3);
            change();
            if (write(said[1], "c", 1) != 1) _exit(3);
            ptrace(PTRACE_DETACH, self, nullptr, 0);
            _exit(0);
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
    // Lets thread `tid` (stopped, traced with PTRACE_O_TRACESYSGOOD) run on with
    // its signals until it enters its nth `call` on `path`; false if it ended.
    static bool ReachCall(pid_t tid, FileCall call, int nth, const std::string& path) {
        const bool reading = call == FileCall::Read;
        int seen = 0;
        int pending = 0;  // a signal the thread is to get
        for (;;) {
            if (ptrace(PTRACE_SYSCALL, tid, nullptr, pending) != 0) return false;
            int status = 0;
            if (waitpid(tid, &status, __WALL) != tid || !WIFSTOPPED(status)) return false;
            const int signal = WSTOPSIG(status);
            const bool atCall = signal == (SIGTRAP | 0x80);
            pending = !atCall && signal != SIGTRAP && signal != SIGSTOP && (status >> 16) == 0
                          ? signal
                          : 0;
            if (!atCall) continue;
            user_regs_struct regs{};
            ptrace(PTRACE_GETREGS, tid, nullptr, &regs);
            if (regs.rax == static_cast<unsigned long long>(-ENOSYS) &&
                regs.orig_rax == static_cast<unsigned long long>(reading ? SYS_read : SYS_mmap) &&
                LeadsTo(tid, reading ? regs.rdi : regs.r8, path) && ++seen == nth)
                return true;
        }
    }
    // Whether descriptor `fd` of thread `tid` is the file at `path`.
    static bool LeadsTo(pid_t tid, unsigned long long fd, const std::string& path) {
        char link[64];
        char target[4096];
        std::snprintf(link, sizeof link, "/proc/%d/fd/%llu", static_cast<int>(tid), fd);
        const ssize_t n = readlink(link, target, sizeof target);
        return n > 0 && path.compare(0, std::string::npos, target, static_cast<size_t>(n)) == 0;
    }

    pid_t child_ = -1;
    int answers_ = -1;
    bool following_ = false;
};
#endif
