#pragma once
#include <QProcess>
#include <QStringList>
#include <functional>
#include <string>

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

inline std::string PdfInfo(const std::string& path) {
    return RunProgram("pdfinfo", {QString::fromStdString(path)}).out;
}

// The text of each page, from a form feed to the next.
inline std::vector<std::string> PdfPages(const std::string& path) {
    std::vector<std::string> pages;
    std::string text = RunProgram("pdftotext", {QString::fromStdString(path), "-"}).out;
    for (size_t end; (end = text.find('\f')) != std::string::npos; text.erase(0, end + 1))
        pages.push_back(text.substr(0, end));
    return pages;
}

}  // namespace Tabulon
