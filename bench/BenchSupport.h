#pragma once
// What the benchmarks share: a folder of generated reports, the programs run
// as child processes with their wall time and peak memory, and the load floor.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ReportGenerator.h"

extern char** environ;

namespace Tabulon {

namespace bench {

constexpr size_t Block = 1 << 20;

// A folder under the temporary directory, removed at exit, holding one
// generated report per row count.
class Reports {
  public:
    static Reports& Shared() {
        static Reports reports;
        return reports;
    }
    const std::string& Dir() const { return dir_; }
    std::string File(const std::string& name) const { return dir_ + "/" + name; }
    const std::string& Report(long rows) {
        std::string& path = reports_[rows];
        if (path.empty()) {
            path = File("report-" + std::to_string(rows) + ".txt");
            WriteLargeReport(path, rows);
        }
        return path;
    }
    ~Reports() { std::filesystem::remove_all(dir_); }

  private:
    Reports()
        : dir_((std::filesystem::temp_directory_path() /
                ("tabulon-bench-" + std::to_string(getpid())))
                   .string()) {
        std::filesystem::create_directories(dir_ + "/config");
        // The programs and the window read and store their page setup here,
        // never in the user's own settings.
        setenv("XDG_CONFIG_HOME", (dir_ + "/config").c_str(), 1);
        // And they run as our users run them, in Turkish, where the amounts
        // of the reports ("12.345,67") are numbers.
        setenv("LC_ALL", "tr_TR.UTF-8", 1);
    }
    std::string dir_;
    std::map<long, std::string> reports_;
};

// How a child process went: its wall time, the processor time of all its
// threads and its peak resident memory.
struct ChildRun {
    double seconds = 0;
    double cpuSeconds = 0;
    double peakMiB = 0;
    int status = -1;
};

// Runs argv with standard output to `out` (and standard error discarded),
// waiting for it.
inline ChildRun RunChild(const std::vector<std::string>& argv,
                         const std::string& out = "/dev/null") {
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    ChildRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0) {
        rusage usage{};
        wait4(pid, &run.status, 0, &usage);
        run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
        auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
        run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

// Times a child process per iteration by hand, so the benchmark's own work
// between runs is not counted. With `peak`, the counter peak_MiB is the
// child's peak resident memory: the system counts a spawned child's peak from
// the parent's own at the moment of spawning, so it means something only
// while this process is still small.
template <typename Run>
void TimeChildren(benchmark::State& state, Run run, bool peak = false) {
    double peakMiB = 0, cpuSeconds = 0;
    for (auto _ : state) {
        const ChildRun child = run();
        if (child.status != 0) state.SkipWithError("the program failed");
        state.SetIterationTime(child.seconds);
        peakMiB = std::max(peakMiB, child.peakMiB);
        cpuSeconds += child.cpuSeconds;
    }
    if (peak) state.counters["peak_MiB"] = peakMiB;
    state.counters["cpu_ms"] = cpuSeconds * 1000 / static_cast<double>(state.iterations());
}

// Every benchmark runs as several repetitions of a few iterations and reports
// their median: on a shared machine one slow run (another build, the system
// taking back memory the last run freed) must not decide a ratio. The CPU
// column counts every thread of this process, the row store's writer too.
inline void Repeated(benchmark::internal::Benchmark* b, int iterations = 1) {
    b->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->Iterations(iterations)
        ->Repetitions(7)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("min", [](const std::vector<double>& v) {
            return *std::min_element(v.begin(), v.end());
        });
}

// The plain way of doing the loader's input and output: the report read in
// 1 MiB blocks, its lines found with memchr, and a 512-byte record per line
// written to a nameless file in 1 MiB blocks. Returns the lines.
inline long LoadFloor(const std::string& report, const std::string& folder) {
    const int in = open(report.c_str(), O_RDONLY | O_CLOEXEC);
    const int out = open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    std::vector<char> input(Block), records(Block, ' ');
    size_t pending = 0;
    long lines = 0;
    ssize_t got = 0;
    while ((got = read(in, input.data(), input.size())) > 0) {
        const char* at = input.data();
        const char* end = at + got;
        while ((at = static_cast<const char*>(std::memchr(at, '\r', end - at)))) {
            ++at;
            ++lines;
            pending += 512;
            if (pending == records.size()) {
                if (write(out, records.data(), pending) < 0) break;
                pending = 0;
            }
        }
    }
    if (pending > 0 && write(out, records.data(), pending) < 0) lines = -1;
    close(in);
    close(out);
    return lines;
}

}  // namespace bench

}  // namespace Tabulon
