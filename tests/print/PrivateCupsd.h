#pragma once
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

// A CUPS spooler of the test's own: configuration, spool, logs and socket in a
// temporary folder, reached through CUPS_SERVER, so printing can be tested
// without touching the machine's printing setup. Stopped and removed with the
// object.
class PrivateCupsd {
  public:
    PrivateCupsd() = default;
    ~PrivateCupsd();
    PrivateCupsd(const PrivateCupsd&) = delete;
    PrivateCupsd& operator=(const PrivateCupsd&) = delete;

    // Starts cupsd and waits until it answers; false with Problem() otherwise.
    bool Start();
    // A raw queue: documents are kept byte for byte as the client sent them.
    bool AddRawQueue(const std::string& name);
    bool SetDefault(const std::string& name);
    // The documents of submitted jobs as the spooler keeps them, oldest first.
    std::vector<std::string> SpooledDocuments() const;
    // Waits until no job is pending or printing.
    bool WaitUntilIdle();

    const std::string& Problem() const { return problem_; }
    std::string SocketPath() const { return (dir_ / "run" / "cups.sock").string(); }

  private:
    bool Fail(const std::string& problem);
    // Runs a CUPS command-line client against this spooler; false on failure.
    bool Client(const std::string& program, const std::vector<std::string>& arguments,
                std::string* output = nullptr);
    void Stop();

    // Under /tmp rather than TMPDIR: the spooler's user must reach it, and a
    // socket path has to stay short.
    std::filesystem::path dir_;
    pid_t pid_ = -1;
    std::string problem_;
    std::string oldServer_;
    bool hadServer_ = false;
};
