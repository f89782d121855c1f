#include "render/DrawPages.h"

namespace Tabulon {

PagesEnd DrawPages(PageSheets& sheets, const std::vector<int32_t>& pages, int32_t pageCount,
                   const std::function<void(DrawingTarget&, int32_t page)>& drawPage,
                   const std::function<bool(int32_t done, int32_t total)>& progress) {
    const auto total = static_cast<int32_t>(pages.size());
    for (int32_t done = 0; done < total; ++done) {
        if (progress && !progress(done, total)) return PagesEnd::Stopped;
        const int32_t page = pages[static_cast<size_t>(done)];
        drawPage(sheets.Target(), page);
        if (sheets.Failed()) return PagesEnd::Failed;
        if (page != pageCount) sheets.NewPage();
        if (sheets.Failed()) return PagesEnd::Failed;
    }
    if (progress) progress(total, total);
    return PagesEnd::Done;
}

}  // namespace Tabulon
