#include "cli/PngCommand.h"

#include <QFile>
#include <QImageWriter>
#include <algorithm>
#include <cmath>

#include "cli/CliSession.h"
#include "cli/SaveFailure.h"
#include "export/ReplacementFile.h"
#include "export/StandardErrorSilenced.h"
#include "platform/CanvasTarget.h"
#include "render/DrawPages.h"

namespace Tabulon {

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

    QImage image = canvas.Image();
    if (paperOnly) {
        const double paper = session.setup.PageSizeX * zoom / CanvasTarget::TwipsPerPixel;
        image = image.copy(0, 0, std::min(image.width(), static_cast<int>(std::ceil(paper))),
                           image.height());
    }

    ReplacementFile part;
    if (!part.Create(outPath)) return SaveFailure(outPath, part.Error());
    QFile file;
    if (!file.open(part.Descriptor(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        return SaveFailure(outPath, file.errorString());
    QImageWriter writer(&file, "png");
    bool written = false;
    {
        // The PNG library announces a failed write itself ("libpng error:
        // Write Error"); the message below says which file and why.
        StandardErrorSilenced quiet;
        written = writer.write(image);
    }
    file.close();
    if (file.error() != QFileDevice::NoError) return SaveFailure(outPath, file.errorString());
    if (!written) return SaveFailure(outPath, writer.errorString());
    if (!part.Commit()) return SaveFailure(outPath, part.Error());
    return 0;
}

}  // namespace Tabulon
