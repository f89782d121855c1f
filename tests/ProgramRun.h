#pragma once
#include <QProcess>
#include <QStringList>
#include <functional>
#include <string>

// What a program run said and how it ended: -1 for a crash or a signal.
struct ProgramRun {
    int exitCode = -1;
    QString out, err;
};

inline ProgramRun Run(const QString& program, const QStringList& args,
                      const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                      const std::function<void()>& inChild = {}) {
    QProcess process;
    process.setProcessEnvironment(env);
    if (inChild) process.setChildProcessModifier(inChild);
    process.start(program, args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// pdfinfo and pdftotext read back what a printer or tabulon-export wrote.
inline std::string PdfInfo(const std::string& path) {
    return Run("pdfinfo", {QString::fromStdString(path)}).out.toStdString();
}

// The "Pages:" line of pdfinfo; -1 when the file is no PDF.
inline int PdfPageCount(const std::string& path) {
    const std::string info = PdfInfo(path);
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

// The text of one page, 1-based.
inline std::string PdfText(const std::string& path, int page) {
    const QString n = QString::number(page);
    return Run("pdftotext", {"-f", n, "-l", n, QString::fromStdString(path), "-"})
        .out.toStdString();
}
