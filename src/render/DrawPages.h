#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "render/DrawingTarget.h"

namespace Tabulon {

// Where pages go one after the other: a printer, a PDF file, a picture.
class PageSheets {
  public:
    virtual ~PageSheets() = default;
    virtual DrawingTarget& Target() = 0;
    // Finishes the sheet; the next drawing starts a new one.
    virtual void NewPage() = 0;
    // Once failed, nothing more is drawn.
    virtual bool Failed() const = 0;
};

enum class PagesEnd { Done, Stopped, Failed };

// Draws the given pages onto the sheets in order, asking `progress` (pages
// done, pages in all) before each one; false stops. A new sheet follows
// every page but the report's last, also after the last one chosen: sheets
// add no empty sheet for a new page that nothing is drawn on.
PagesEnd DrawPages(PageSheets& sheets, const std::vector<int32_t>& pages, int32_t pageCount,
                   const std::function<void(DrawingTarget&, int32_t page)>& drawPage,
                   const std::function<bool(int32_t done, int32_t total)>& progress = {});

}  // namespace Tabulon
