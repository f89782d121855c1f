#include "cli/PngCommand.h"

#include <QImageWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "cli/CliSession.h"
#include "platform/CanvasTarget.h"
#include "render/DrawPages.h"

namespace {

// The page canvas as the one sheet of a picture.
class CanvasSheet : public PageSheets {
  public:
    explicit CanvasSheet(CanvasTarget& canvas) : canvas_(canvas) {}
    DrawingTarget& Target() override { return canvas_; }
    void NewPage() override {}
    bool Failed() const override { return false; }

  private:
    CanvasTarget& canvas_;
};

}  // namespace

int WritePng(CliSession& session, const std::string& outPath, int32_t page, float zoom,
             bool paperOnly) {
    ReportPages& pages = session.pages;
    CanvasTarget& canvas = *session.canvas;
    canvas.Resize(static_cast<int32_t>(25000 * zoom),
                  static_cast<int32_t>(session.setup.PageSizeY * zoom));
    CanvasSheet sheet(canvas);
    const PageInputs inputs = session.Inputs();
    DrawPages(sheet, {page}, pages.totals.pageCount, [&](DrawingTarget& target, int32_t p) {
        pages.fieldCount = RenderPage(target, inputs, p, zoom, pages.fieldCount).fieldCount;
    });

    QSaveFile file(QString::fromStdString(outPath));
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        QImageWriter writer(&file, "png");
        QImage image = canvas.Image();
        if (paperOnly) {
            const double paper = session.setup.PageSizeX * zoom / CanvasTarget::TwipsPerPixel;
            image = image.copy(0, 0, std::min(image.width(), static_cast<int>(std::ceil(paper))),
                               image.height());
        }
        ok = writer.write(image);
        if (!ok) file.cancelWriting();
    }
    if (!ok || !file.commit()) {
        std::fprintf(stderr, "Dosya kaydedilemedi:\n%s\n%s\n", outPath.c_str(),
                     file.errorString().toUtf8().constData());
        return 1;
    }
    return 0;
}
