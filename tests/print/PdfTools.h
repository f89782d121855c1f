#pragma once
#include <QProcess>
#include <QStringList>
#include <string>

// pdfinfo and pdftotext, to read back what a printer wrote.
inline std::string RunPdfTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return process.readAllStandardOutput().toStdString();
}

inline std::string PdfInfo(const std::string& path) {
    return RunPdfTool(QStringLiteral("pdfinfo"), {QString::fromStdString(path)});
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
    return RunPdfTool(QStringLiteral("pdftotext"),
                      {"-f", n, "-l", n, QString::fromStdString(path), "-"});
}
