#include "editor/refresh_selection_rules.h"

#include <gtest/gtest.h>

#include <optional>

namespace morvelin {
namespace {

TEST(RefreshSelectionRules, PairSelectionFollowsTheLinkWord) {
  struct Case {
    int selection, linkWord, result;
  };
  const Case cases[] = {{0, 1, 1}, {2, 1, 1}, {1, 1, 1}, {1, 0, 0},
                        {2, 0, 2}, {0, 0, 0}, {1, 5, 0}, {2, 65535, 2}};
  for (const Case& c : cases)
    EXPECT_EQ(PairSelectionAfterRefresh(c.selection, c.linkWord), c.result)
        << c.selection << ' ' << c.linkWord;
  EXPECT_EQ(OnOffFromWord(0), 0);
  EXPECT_EQ(OnOffFromWord(7), 1);
}

TEST(RefreshSelectionRules, AllPassWordsOfTheEqPages) {
  struct Case {
    int pageBlock;
    std::optional<int> word;
  };
  const Case cases[] = {
      {0, 0 * 256 + 9},
      {2, 2 * 256 + 14},
      {4, 4 * 256 + 13},
      {5, 5 * 256 + 10},
      {6, 6 * 256 + 20},
      {25, 25 * 256 + 0},
      // The dynamic EQ and the system page have no all-pass word; nothing else's word is borrowed.
      {1, std::nullopt},
      {29, std::nullopt},
      {30, std::nullopt},
      {24, std::nullopt},
      {-1, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(AllPassWordOf(c.pageBlock), c.word) << c.pageBlock;
}

}  // namespace
}  // namespace morvelin
