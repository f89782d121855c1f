#pragma once
#include <gtest/gtest.h>
#include <locale.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <filesystem>

#include "TestSupport.h"

// Runs tabulon-export with a fixed locale, its own settings folder and its own
// temporary folder, so a test never sees or leaves the user's files.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// A locale the programs are run in must exist on the machine: without it the
// C library silently keeps C number formatting and a Turkish fault would pass.
inline bool LocaleIsGenerated(const QString& lang) {
    locale_t probe = newlocale(LC_ALL_MASK, lang.toUtf8().constData(), locale_t{});
    if (probe) freelocale(probe);
    return probe != locale_t{};
}

// The program's environment: the locale, and settings and temporary files in `home`.
inline QProcessEnvironment ExportEnvironment(const TempDir& home, const QString& lang) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", lang);
    env.insert("LANG", lang);
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.File("config")));
    env.insert("TMPDIR", QString::fromStdString(home.Path().string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // Qt's own runtime folder, so it has nothing to say on standard error.
    const std::string runtime = home.File("config/runtime");
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime));
    return env;
}

inline CliRun RunExport(const QStringList& args, const TempDir& home,
                        const QString& lang = "tr_TR.UTF-8") {
    if (!LocaleIsGenerated(lang)) {
        ADD_FAILURE() << lang.toStdString()
                      << " is not generated on this machine; run scripts/install-deps";
        return {};
    }
    QProcess process;
    process.setProcessEnvironment(ExportEnvironment(home, lang));
    process.start(TABULON_EXPORT_PROGRAM, args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

inline QString TestData(const char* name) {
    return QString(TABULON_TEST_DATA) + "/" + name;
}

// The JSON object `info` printed.
inline QJsonObject Json(const CliRun& run) {
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}
