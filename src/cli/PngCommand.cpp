#include "cli/PngCommand.h"

#include <QImageWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "cli/CliSession.h"
#include "platform/CanvasTarget.h"
#include "render/RenderPage.h"

int WritePng(CliSession& session, const std::string& outPath, int32_t page, float zoom,
             bool paperOnly) {
    ReportModel& model = session.model;
    PageView& view = session.view;
    model.CurrentPage = page;
    view.ZoomFactor = zoom;
    CanvasTarget& canvas = *session.canvas;
    canvas.Resize(static_cast<int32_t>(25000 * zoom), static_cast<int32_t>(model.PageSizeY * zoom));
    RenderPage(canvas, model, view, RulerSurface{});

    QSaveFile file(QString::fromStdString(outPath));
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        QImageWriter writer(&file, "png");
        QImage image = canvas.Image();
        if (paperOnly) {
            const double paper = model.PageSizeX * zoom / CanvasTarget::TwipsPerPixel;
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
