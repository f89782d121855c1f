#pragma once
#include <dlfcn.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <string>

namespace Tabulon {

// A CUPS spooler of the test's own: configuration, spool, logs and socket in a
// temporary folder, reached through CUPS_SERVER, so printing is tested
// without touching the machine's printing setup (scripts/install-deps
// installs cupsd, as it does the PDF tools). Stopped with the object.
class PrivateCupsd {
  public:
    ~PrivateCupsd() {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(5000)) cupsd_.kill();
        cupsd_.waitForFinished();
        qunsetenv("CUPS_SERVER");  // the machine's own spooler again
        ForgetCupsServer();
    }

    // Starts cupsd; false with Problem() when it cannot be.
    bool Start() {
        if (!dir_.isValid()) return Fail("cannot create a folder under /tmp");
        for (const char* sub : {"spool/tmp", "cache", "state", "log", "run"})
            QDir(dir_.path()).mkpath(sub);
        // As root it works as lp, which must reach every folder it uses.
        const bool root = geteuid() == 0;
        Write("cups-files.conf", QString(root ? "User lp\nGroup lp\n" : "") +
                                     "ServerRoot @\nRequestRoot @/spool\nCacheDir @/cache\n"
                                     "StateDir @/state\nTempDir @/spool/tmp\n"
                                     "AccessLog @/log/access_log\nErrorLog @/log/error_log\n"
                                     "PageLog @/log/page_log\nFileDevice Yes\n");
        Write("cupsd.conf",
              "Listen @/run/cups.sock\nBrowsing No\nLogLevel warn\nPreserveJobFiles Yes\n"
              "DirtyCleanInterval 0\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n");
        if (root && !Client("chown", {"-R", "lp:lp", dir_.path()})) return false;
        cupsd_.setProcessChannelMode(QProcess::ForwardedChannels);
        // A test that crashes takes its spooler with it, so no cupsd is left
        // holding the test runner's output open.
        cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        cupsd_.start("cupsd", {"-f", "-c", dir_.filePath("cupsd.conf"), "-s",
                               dir_.filePath("cups-files.conf")});
        if (!cupsd_.waitForStarted()) return Fail("cupsd cannot be started");
        qputenv("CUPS_SERVER", dir_.filePath("run/cups.sock").toUtf8());
        ForgetCupsServer();
        return true;
    }

    // The scheduler takes requests a while after it starts, later on a busy
    // machine, so a request that cannot connect is retried until it ends.
    bool Admin(const QStringList& arguments) {
        for (int i = 0; i < 100 && !cupsd_.waitForFinished(50); ++i)
            if (Client("lpadmin", arguments, false)) return true;
        return Client("lpadmin", arguments);
    }
    // A queue keeps each document in the spool folder as the client sent it.
    // A two-sided one's driver says it prints both sides, turned on either
    // edge, and hands the document on unchanged.
    bool AddQueue(const QString& name, bool twoSided = false) {
        QStringList arguments{"-p", name, "-v", "file:///dev/null", "-E"};
        if (!twoSided) return Admin(arguments);
        Write(name + ".ppd",
              "*PPD-Adobe: \"4.3\"\n*cupsFilter: \"application/pdf 0 -\"\n"
              "*OpenUI *Duplex: PickOne\n*DefaultDuplex: None\n*Duplex None: \"\"\n"
              "*Duplex DuplexNoTumble: \"\"\n*Duplex DuplexTumble: \"\"\n*CloseUI: *Duplex\n");
        return Admin(arguments << "-P" << dir_.filePath(name + ".ppd"));
    }
    // The queue refuses every new job from now on.
    bool Reject(const QString& name) { return Client("cupsreject", {name}); }

    std::string Problem() const { return problem_.toStdString(); }
    // The documents ("d*") of submitted jobs as the spooler received them, or
    // their control files ("c*", each job's attributes), oldest first.
    QStringList Spooled(const QString& pattern) const {
        QStringList files;
        for (const QString& file : QDir(dir_.filePath("spool")).entryList({pattern}, QDir::Files))
            files << dir_.filePath("spool/" + file);
        return files;
    }

  private:
    // "@" stands for the spooler's folder.
    void Write(const QString& name, QString text) {
        QFile file(dir_.filePath(name));
        if (file.open(QIODevice::WriteOnly)) file.write(text.replace('@', dir_.path()).toUtf8());
    }
    bool Fail(const QString& problem) {
        QFile log(dir_.filePath("log/error_log"));
        problem_ = problem + "\n" + (log.open(QIODevice::ReadOnly) ? log.readAll() : "");
        return false;
    }
    // Runs a program against this spooler; a failure is the Problem() when `report` is set.
    bool Client(const QString& program, const QStringList& arguments, bool report = true) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        const bool ok = process.waitForFinished(30000) &&
                        process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        if (!ok && report) Fail(program + " failed: " + process.readAll());
        return ok;
    }
    // libcups remembers the server it first talked to; a process that has
    // already asked it about printers is told to read CUPS_SERVER again.
    static void ForgetCupsServer() {
        void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
        if (!cups) return;  // not loaded yet: it reads CUPS_SERVER when it is
        if (auto set = reinterpret_cast<void (*)(const char*)>(dlsym(cups, "cupsSetServer")))
            set(nullptr);
        dlclose(cups);
    }

    // Under /tmp rather than TMPDIR: the spooler's user must reach it, and a
    // socket path has to stay short.
    QTemporaryDir dir_{QStringLiteral("/tmp/tabulon-cupsd-XXXXXX")};
    QProcess cupsd_;
    QString problem_;
};

}  // namespace Tabulon
