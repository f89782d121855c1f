#include "PrivateCupsd.h"

#include <dlfcn.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

// libcups remembers the server it first talked to; a process that has already
// asked it about printers is told to read CUPS_SERVER again.
void ForgetCupsServer() {
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups) return;  // not loaded yet: it reads CUPS_SERVER when it is
    using SetServer = void (*)(const char*);
    if (auto set = reinterpret_cast<SetServer>(dlsym(cups, "cupsSetServer"))) set(nullptr);
    dlclose(cups);
}

bool Answers(const std::string& socketPath) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof(address.sun_path) - 1);
    const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return ok;
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path) << text;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

PrivateCupsd::~PrivateCupsd() {
    Stop();
    std::error_code ignored;
    if (!dir_.empty()) fs::remove_all(dir_, ignored);
}

bool PrivateCupsd::Fail(const std::string& problem) {
    problem_ = problem;
    const std::string log = dir_.empty() ? std::string() : ReadText(dir_ / "log" / "error_log");
    if (!log.empty()) problem_ += "\n" + log;
    return false;
}

bool PrivateCupsd::Start() {
    char folder[] = "/tmp/tabulon-cupsd-XXXXXX";
    if (!mkdtemp(folder)) return Fail("cannot create a folder under /tmp");
    dir_ = folder;
    const fs::path root = dir_;
    if (SocketPath().size() >= sizeof(sockaddr_un::sun_path))
        return Fail("socket path too long: " + SocketPath());
    for (const char* sub : {"spool", "spool/tmp", "cache", "state", "log", "run", "out"})
        fs::create_directories(root / sub);

    // cupsd will not run as root; as root it works as lp, which must reach
    // every folder it uses.
    const bool root_user = geteuid() == 0;
    std::string files;
    if (root_user) files += "User lp\nGroup lp\n";
    files += "ServerRoot " + root.string() + "\nRequestRoot " + (root / "spool").string() +
             "\nCacheDir " + (root / "cache").string() + "\nStateDir " + (root / "state").string() +
             "\nTempDir " + (root / "spool/tmp").string() + "\nAccessLog " +
             (root / "log/access_log").string() + "\nErrorLog " +
             (root / "log/error_log").string() + "\nPageLog " + (root / "log/page_log").string() +
             "\nFileDevice Yes\n";
    WriteText(root / "cups-files.conf", files);
    WriteText(root / "cupsd.conf", "Listen " + SocketPath() +
                                       "\nBrowsing No\nWebInterface No\nLogLevel warn\n"
                                       "PreserveJobFiles Yes\nPreserveJobHistory Yes\n"
                                       "<Location />\n  Order allow,deny\n  Allow all\n"
                                       "</Location>\n<Location /admin>\n  Order allow,deny\n"
                                       "  Allow all\n</Location>\n");
    if (root_user) {
        const passwd* lp = getpwnam("lp");
        if (!lp) return Fail("no user lp");
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (chown(entry.path().c_str(), lp->pw_uid, lp->pw_gid) != 0)
                return Fail("cannot hand " + entry.path().string() + " to lp");
        if (chown(root.c_str(), lp->pw_uid, lp->pw_gid) != 0) return Fail("cannot chown root");
    }
    fs::permissions(root, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);

    const std::string config = (root / "cupsd.conf").string();
    const std::string filesConfig = (root / "cups-files.conf").string();
    pid_ = fork();
    if (pid_ < 0) return Fail("fork failed");
    if (pid_ == 0) {
        // In a session of its own, so stopping it reaches nothing of ours.
        setsid();
        execlp("cupsd", "cupsd", "-f", "-c", config.c_str(), "-s", filesConfig.c_str(),
               static_cast<char*>(nullptr));
        _exit(127);
    }

    const char* old = std::getenv("CUPS_SERVER");
    hadServer_ = old != nullptr;
    if (old) oldServer_ = old;
    setenv("CUPS_SERVER", SocketPath().c_str(), 1);
    ForgetCupsServer();

    for (int i = 0; i < 200; ++i) {
        if (Answers(SocketPath())) return true;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return Fail("cupsd ended at start (status " + std::to_string(status) + ")");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return Fail("cupsd did not answer on " + SocketPath());
}

void PrivateCupsd::Stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        bool ended = false;
        for (int i = 0; i < 100 && !ended; ++i) {
            ended = waitpid(pid_, &status, WNOHANG) == pid_;
            if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (!ended) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
        pid_ = -1;
    }
    if (hadServer_)
        setenv("CUPS_SERVER", oldServer_.c_str(), 1);
    else
        unsetenv("CUPS_SERVER");
    ForgetCupsServer();
}

bool PrivateCupsd::Client(const std::string& program, const std::vector<std::string>& arguments,
                          std::string* output) {
    QStringList list;
    for (const auto& argument : arguments) list << QString::fromStdString(argument);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QString::fromStdString(program), list);
    if (!process.waitForFinished(30000)) return Fail(program + " did not finish");
    const std::string said = process.readAll().toStdString();
    if (output) *output = said;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return Fail(program + " failed: " + said);
    return true;
}

bool PrivateCupsd::AddRawQueue(const std::string& name) {
    const std::string device = "file://" + (dir_ / "out" / (name + ".prn")).string();
    return Client("lpadmin", {"-p", name, "-v", device, "-E"});
}

bool PrivateCupsd::SetDefault(const std::string& name) {
    return Client("lpadmin", {"-d", name});
}

std::vector<std::string> PrivateCupsd::SpooledDocuments() const {
    std::vector<std::string> documents;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir_ / "spool", error)) {
        const std::string file = entry.path().filename().string();
        if (file.size() > 1 && file[0] == 'd') documents.push_back(entry.path().string());
    }
    std::sort(documents.begin(), documents.end());
    return documents;
}

bool PrivateCupsd::WaitUntilIdle() {
    for (int i = 0; i < 300; ++i) {
        std::string jobs;
        if (!Client("lpstat", {"-o"}, &jobs)) return false;
        if (jobs.find_first_not_of(" \r\n") == std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return Fail("jobs still pending");
}
