#include <gtest/gtest.h>

#include <limits>

#include "platform/Messages.h"

using namespace Tabulon;

// Sizes read in powers of 1024 with one decimal below 100 and Turkish
// decimal commas; a size needed rounds up and a free one down, so the message
// never shows a report fitting where it does not.
TEST(ByteCountText, RoundsTowardsTheSafeSide) {
    for (const auto& [bytes, up, down] :
         {std::tuple<int64_t, const char*, const char*>{1023, "1023 bayt", "1023 bayt"},
          {1025, "1,1 KB", "1,0 KB"},
          {(1 << 20) - 1, "1,0 MB", "1023 KB"},
          {1536000, "1,5 MB", "1,4 MB"},
          {std::numeric_limits<int64_t>::max(), "8,0 EB", "8,0 EB"}}) {
        EXPECT_EQ(ByteCountText(bytes, true), up) << bytes;
        EXPECT_EQ(ByteCountText(bytes, false), down) << bytes;
    }
}
