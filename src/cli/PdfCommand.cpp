#include "cli/PdfCommand.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cstdio>

#include "cli/CliSession.h"
#include "cli/SaveFailure.h"
#include "export/ReplacementFile.h"
#include "platform/PrinterTarget.h"
#include "render/RenderPage.h"

namespace {

QPageLayout PaperOf(const ReportModel& model) {
    // A point is 20 twips; the paper is named portrait and turned as set up.
    const double shortSide = std::min(model.PageSizeX, model.PageSizeY) / 20.0;
    const double longSide = std::max(model.PageSizeX, model.PageSizeY) / 20.0;
    return QPageLayout(QPageSize(QSizeF(shortSide, longSide), QPageSize::Point),
                       model.PageOrient == 2 ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

}  // namespace

int WritePdf(CliSession& session, const std::string& outPath, const PageSelection& pages) {
    if (pages.Pages().empty()) {
        std::fprintf(stderr, "Seçilen aralıkta yazdırılacak sayfa yok (rapor %d sayfa).\n",
                     session.model.PageCount);
        return 1;
    }
    ReplacementFile part;
    if (!part.Create(outPath)) return SaveFailure(outPath, part.Error());
    QFile file;
    if (!file.open(part.Descriptor(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        return SaveFailure(outPath, file.errorString());

    ReportModel& model = session.model;
    PageView& view = session.view;
    const int32_t shownPage = model.CurrentPage;
    view.ZoomFactor = 1.0f;
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setPageLayout(PaperOf(model));
        writer.setCreator("Tabulon");
        writer.setTitle(QString::fromStdString(model.HeaderLines[1]));
        QPainter painter;
        if (!painter.begin(&writer)) return SaveFailure(outPath, file.errorString());
        PrinterTarget target(painter);
        bool first = true;
        for (int32_t page : pages.Pages()) {
            if (!first) writer.newPage();
            first = false;
            model.CurrentPage = page;
            RenderPage(target, model, view, RulerSurface{});
        }
        painter.end();
    }
    model.CurrentPage = shownPage;
    file.close();
    if (file.error() != QFileDevice::NoError) return SaveFailure(outPath, file.errorString());
    if (!part.Commit()) return SaveFailure(outPath, part.Error());
    return 0;
}
