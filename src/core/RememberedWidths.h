#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/ReportLayout.h"
#include "core/SettingsList.h"

namespace Tabulon {

// Column widths the user set on the ruler, kept in the settings for reports
// with the same column titles: a business program writes the same report
// again and again, and its user should not have to widen the same column every
// day. The last TitleSets sets of titles are kept.
class RememberedWidths {
  public:
    static constexpr size_t TitleSets = 20;

    struct Width {
        int column = 0;
        int16_t width = 0;
        bool operator==(const Width&) const = default;
    };

    explicit RememberedWidths(SettingsBackend& backend);

    // The widths set for reports with these titles, by column; none for a
    // report without titles.
    std::vector<Width> For(const ReportLayout& layout) const;
    // Keeps these widths for the titles (replacing what was kept for them),
    // or, when there are none, forgets the titles.
    void Remember(const ReportLayout& layout, const std::vector<Width>& widths) const;

    // What tells one set of titles from another: a hash of the titles, short
    // enough for a settings line and never the titles themselves.
    static std::string TitlesKey(const ReportLayout& layout);

  private:
    SettingsList list_;
};

}  // namespace Tabulon
