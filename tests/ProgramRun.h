#pragma once
#include <gtest/gtest.h>
#include <locale.h>
#include <sys/resource.h>

#include <QProcess>
#include <QStringList>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>

#include "TestSupport.h"

namespace Tabulon {

// What a program said and how it ended: -1 for a crash or a signal.
struct ProgramRun {
    int exitCode = -1;
    std::string out, err;
};

inline ProgramRun RunProgram(
    const QString& program, const QStringList& args,
    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
    const std::function<void()>& inChild = {}) {
    QProcess process;
    process.setProcessEnvironment(env);
    if (inChild) process.setChildProcessModifier(inChild);
    process.start(program, args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

// The text of each page, from a form feed to the next.
inline std::vector<std::string> PdfPages(const std::string& path) {
    std::vector<std::string> pages;
    std::string text = RunProgram("pdftotext", {QString::fromStdString(path), "-"}).out;
    for (size_t end; (end = text.find('\f')) != std::string::npos; text.erase(0, end + 1))
        pages.push_back(text.substr(0, end));
    return pages;
}

// Settings and temporary files in `home`, away from the user's. No runtime
// folder is named, as under cron, a service or su: each program makes its own
// in the temporary folder, says nothing of it and leaves nothing there.
inline QProcessEnvironment ExportEnvironment(const TempDir& home, const QString& lang) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LANG"}) env.insert(name, lang);
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.File("config")));
    env.insert("TMPDIR", QString::fromStdString(home.Path().string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("XDG_RUNTIME_DIR");
    // The printers are those of a spooler the test started, else none.
    if (!env.contains("CUPS_SERVER"))
        env.insert("CUPS_SERVER", QString::fromStdString(home.File("yok.sock")));
    return env;
}

// The data segment is held to 400 MiB, so keeping what it reads would end it. Without
// the locale the C library silently keeps C numbers and a Turkish fault would pass.
// `fileSize` limits each file the run writes, as a full disk would.
inline ProgramRun RunExport(QStringList args, const TempDir& home,
                            const QString& lang = "tr_TR.UTF-8", rlim_t fileSize = RLIM_INFINITY) {
    locale_t probe = newlocale(LC_ALL_MASK, lang.toUtf8().constData(), locale_t{});
    EXPECT_NE(probe, nullptr) << lang.toStdString()
                              << " is not generated; run scripts/install-deps";
    if (probe) freelocale(probe);
    args.replaceInStrings("SAMPLE", TABULON_TEST_DATA "/sample.txt");
    return RunProgram(TABULON_EXPORT_PROGRAM, args, ExportEnvironment(home, lang), [fileSize] {
        const rlimit files{fileSize, fileSize};
        if (fileSize != RLIM_INFINITY) setrlimit(RLIMIT_FSIZE, &files);
        signal(SIGXFSZ, SIG_IGN);
#ifndef __SANITIZE_ADDRESS__
        // AddressSanitizer reserves terabytes of shadow memory up front.
        const rlimit limit{400u << 20, 400u << 20};
        setrlimit(RLIMIT_DATA, &limit);
#endif
    });
}

// What a run left in its temporary folder beside its settings, as full paths.
inline std::vector<std::string> LeftIn(const TempDir& home) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(home.Path()))
        if (entry.path().filename() != "config") names.push_back(entry.path().string());
    return names;
}

}  // namespace Tabulon
