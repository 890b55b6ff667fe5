#include "editor/band_scroll.h"

#include <gtest/gtest.h>

#include <optional>

namespace morvelin {
namespace {

TEST(BandScroll, HighlightedBandStaysInView) {
  struct Case {
    int page;
    int position;
    int band;
    std::optional<int> result;
  };
  const Case cases[] = {
      // Music and microphone pages show ten strips.
      {0, 0, 0, 0},
      {0, 0, 9, 0},
      {0, 0, 10, 1},
      {0, 0, 14, 5},
      {0, 5, 14, 5},
      {0, 5, 5, 5},
      {0, 5, 4, 4},
      {0, 5, 0, 0},
      {1, 0, 19, 10},
      {1, 10, 9, 9},
      {1, 3, 12, 3},
      {1, 3, 13, 4},
      // The output page shows five.
      {3, 0, 4, 0},
      {3, 0, 5, 1},
      {3, 0, 9, 5},
      {3, 5, 4, 4},
      {3, 2, 6, 2},
      // Pages without a pan bar.
      {2, 0, 12, std::nullopt},
      {4, 3, 0, std::nullopt},
      {8, 0, 2, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ScrollPositionOnPage(c.page, c.position, c.band), c.result)
        << "page " << c.page << " position " << c.position << " band " << c.band;
}

TEST(BandScroll, PanBarPositionToPixels) {
  EXPECT_EQ(StripOffsetPixels(0), 0);
  EXPECT_EQ(StripOffsetPixels(1), 65);
  EXPECT_EQ(StripOffsetPixels(10), 650);
}

}  // namespace
}  // namespace morvelin
