#include "platform/QtPrinter.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "platform/Messages.h"
#include "platform/PrinterCatalog.h"
#include "system/Files.h"

namespace Tabulon {

QtPrinter::QtPrinter(const std::string& printerName, const std::string& pdfFile,
                     PainterTargetMaker makeTarget, DocumentSpooler spooler)
    : printer_(QPrinter::HighResolution),
      makeTarget_(std::move(makeTarget)),
      sheetTarget_([this] { return Sheet(); }),
      spooler_(std::move(spooler)) {
    printer_.setDocName(QStringLiteral("Tabulon"));
    if (printerName == PrinterCatalog::BuiltInPdfName || spooler_) {
        WritePdfBeside(pdfFile);
        return;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(printerName));
    if (info.isNull()) {
        Fail("Yazıcı bulunamadı.");
        return;
    }
    printer_.setOutputFormat(QPrinter::NativeFormat);
    printer_.setPrinterName(info.printerName());
}

namespace {

// The PDF engine writes its file through a stream of its own and tells no
// reason when a write fails: what the system would have said is found again
// from the disk's free room and the file size limit.
std::string WriteFailureReason(const std::string& path, std::streamoff size) {
    const std::string folder = path.substr(0, path.find_last_of('/') + 1);
    if (int64_t free = 0; System::FreeSpace(folder.empty() ? "." : folder, free) && free == 0)
        return std::strerror(ENOSPC);
    if (int64_t limit = 0; System::FileSizeLimit(limit) && size >= limit)
        return std::strerror(EFBIG);
    return std::strerror(EIO);
}

// A full disk left a cut PDF that was then put in place as if whole: a whole
// PDF ends with "%%EOF", and one that does not is refused. Empty when whole.
std::string UnfinishedPdfReason(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : 0;
    std::string tail(static_cast<size_t>(std::min<std::streamoff>(size, 64)), '\0');
    file.seekg(size - static_cast<std::streamoff>(tail.size()));
    file.read(tail.data(), static_cast<std::streamsize>(tail.size()));
    tail.erase(tail.find_last_not_of(" \r\n") + 1);
    if (file && tail.ends_with("%%EOF")) return {};
    return WriteFailureReason(path, size);
}

std::streamoff FileSize(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    return file ? static_cast<std::streamoff>(file.tellg()) : 0;
}

}  // namespace

void QtPrinter::SetDocumentName(const std::string& name) {
    printer_.setDocName(name.empty() ? QStringLiteral("Tabulon") : QString::fromStdString(name));
}

void QtPrinter::WritePdfBeside(const std::string& pdfFile) {
    pdfFile_ = pdfFile;
    // The part file is made now, which also finds out early whether the
    // folder can be written at all; the PDF engine opens it by name.
    if (Outcome<> created = partFile_.Create(pdfFile); !created.Ok()) {
        Fail(PdfFailureText(PdfNotCreatedTitle, created.Why()));
        return;
    }
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(QFile::decodeName(partFile_.TemporaryPath().c_str()));
}

QtPrinter::~QtPrinter() {
    if (painter_.isActive()) Abort();
    DropPartFile();
}

void QtPrinter::SetChoices(const PrinterChoices& choices) {
    // The spooler makes the copies (a thousand copies are not a thousand
    // documents) and turns the sheets; the PDF writer would ignore both.
    if (printer_.outputFormat() != QPrinter::NativeFormat) return;
    printer_.setCopyCount(choices.copies);
    printer_.setCollateCopies(choices.collate);
    using Sides = PrinterChoices::Sides;
    printer_.setDuplex(choices.sides == Sides::TwoLongEdge    ? QPrinter::DuplexLongSide
                       : choices.sides == Sides::TwoShortEdge ? QPrinter::DuplexShortSide
                                                              : QPrinter::DuplexNone);
}

void QtPrinter::SetOrientation(int16_t orientation) {
    orientation_ = orientation;
}

void QtPrinter::SetPaperSize(int32_t widthTwips, int32_t heightTwips) {
    paperWidth_ = widthTwips;
    paperHeight_ = heightTwips;
}

void QtPrinter::ApplyPageLayout() {
    const auto orientation = orientation_ == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (paperWidth_ <= 0 || paperHeight_ <= 0) {
        printer_.setPageOrientation(orientation);
        return;
    }
    // The size is named in portrait terms; a close match to a standard sheet
    // (11906 x 16838 twips) takes the standard's name, so spoolers see "A4".
    const QSizeF portrait(std::min(paperWidth_, paperHeight_) / 20.0,
                          std::max(paperWidth_, paperHeight_) / 20.0);
    const QPageSize size(portrait, QPageSize::Point, QString(), QPageSize::FuzzyMatch);
    // The page is laid out from the paper's corner; a printer that cannot
    // print there keeps its own margins and the layout starts at its
    // printable area.
    if (!printer_.setPageLayout(QPageLayout(size, orientation, QMarginsF(), QPageLayout::Point))) {
        printer_.setPageSize(size);
        printer_.setPageOrientation(orientation);
    }
}

DrawingTarget* QtPrinter::Sheet() {
    if (failed_ || ended_) return nullptr;
    if (!painter_.isActive()) {
        ApplyPageLayout();
        if (!painter_.begin(&printer_)) {
            FailWriting("Yazıcı başlatılamadı.");
            return nullptr;
        }
        painterTarget_ = makeTarget_(painter_, placement_);
        newPagePending_ = false;
    } else if (newPagePending_) {
        newPagePending_ = false;
        if (!printer_.newPage()) {
            FailWriting("Yeni sayfa başlatılamadı.");
            return nullptr;
        }
    }
    return painterTarget_.get();
}

void QtPrinter::NewPage() {
    // The sheet is started by the next drawing, so a new page that ends the
    // document adds no empty sheet.
    if (painter_.isActive()) newPagePending_ = true;
}

void QtPrinter::EndDoc() {
    if (failed_ || ended_) return;
    ended_ = true;
    newPagePending_ = false;
    if (!painter_.isActive()) {
        // Nothing was drawn: nothing is sent and no file is written.
        DropPartFile();
        return;
    }
    painterTarget_.reset();
    if (!painter_.end() || printer_.printerState() == QPrinter::Error) {
        FailWriting("Belge yazıcıya gönderilemedi.");
        return;
    }
    HandOverDocument();
}

// The PDF goes to the spooler or into its place only when it is whole.
void QtPrinter::HandOverDocument() {
    if (partFile_.TemporaryPath().empty()) return;
    if (const std::string unfinished = UnfinishedPdfReason(partFile_.TemporaryPath());
        !unfinished.empty()) {
        Fail(PdfFailureText(PdfNotSavedTitle, {Operation::SaveFile, pdfFile_, unfinished}));
        DropPartFile();
        return;
    }
    if (spooler_) {
        if (auto refused = spooler_(partFile_.TemporaryPath())) Fail(*refused);
        DropPartFile();
        return;
    }
    if (Outcome<> committed = partFile_.Commit(); !committed.Ok())
        Fail(PdfFailureText(PdfNotSavedTitle, committed.Why()));
}

void QtPrinter::Abort() {
    if (painter_.isActive()) {
        printer_.abort();
        painterTarget_.reset();
        painter_.end();
    }
    ended_ = true;
    DropPartFile();
}

void QtPrinter::Fail(const std::string& reason) {
    if (failed_) return;
    failed_ = true;
    errorText_ = reason;
}

void QtPrinter::FailWriting(const std::string& reason) {
    if (pdfFile_.empty()) return Fail(reason);
    const std::string& part = partFile_.TemporaryPath();
    Fail("PDF dosyası kaydedilemedi: " + pdfFile_ + "\n" +
         WriteFailureReason(part, FileSize(part)));
}

void QtPrinter::DropPartFile() {
    partFile_.Discard();
}

}  // namespace Tabulon
