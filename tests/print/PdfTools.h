#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>
#include <string>

// pdfinfo and pdftotext, to read back what a printer wrote.
inline std::string RunPdfTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) return {};
    return process.readAllStandardOutput().toStdString();
}

inline std::string PdfInfo(const std::string& path) {
    return RunPdfTool(QStringLiteral("pdfinfo"), {QString::fromStdString(path)});
}

// The "Pages:" line of pdfinfo; -1 when the file is no PDF.
inline int PdfPageCount(const std::string& path) {
    const std::string info = PdfInfo(path);
    const auto at = info.find("Pages:");
    if (at == std::string::npos) return -1;
    return std::stoi(info.substr(at + 6));
}

// The text of one page (1-based), or of the whole document for page 0.
inline std::string PdfText(const std::string& path, int page = 0) {
    QStringList arguments;
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    arguments << QString::fromStdString(path) << QStringLiteral("-");
    return RunPdfTool(QStringLiteral("pdftotext"), arguments);
}
