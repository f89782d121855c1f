#include <gtest/gtest.h>

#include <algorithm>

#include "render/PageSelection.h"

namespace {

TEST(PageSelection, FollowsThePrintDialogChoices) {
    const struct {
        int32_t from, to, pageCount;
        std::vector<int32_t> pages;
    } cases[] = {
        {1, 3, 3, {1, 2, 3}},
        {2, 3, 5, {2, 3}},
        {4, 2, 5, {}},            // a reversed range prints nothing
        {2, 0, 4, {1, 2, 3, 4}},  // no last page: every page
        {3, -5, 4, {1, 2, 3, 4}},
        {-1, -1, 4, {1, 3}},  // odd
        {-1, -1, 5, {1, 3, 5}},
        {-7, 9, 3, {1, 3}},  // any other value below 1 means odd
        {0, 0, 3, {1, 3}},
        {-2, -2, 4, {2, 4}},  // even
        {-2, 1, 1, {}},
        {2, 9, 3, {2, 3}},  // never past the last page
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to << " of " << c.pageCount);
        const PageSelection s = SelectPages(c.from, c.to, c.pageCount);
        EXPECT_EQ(s.Pages(), c.pages);
        for (int32_t p = 1; p <= c.pageCount; ++p)
            EXPECT_EQ(s.Includes(p), std::count(c.pages.begin(), c.pages.end(), p) == 1) << p;
    }
}

}  // namespace
