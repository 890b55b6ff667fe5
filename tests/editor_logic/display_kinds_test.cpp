#include "editor/display_kinds.h"

#include <gtest/gtest.h>

#include <optional>

namespace morvelin {
namespace {

TEST(DisplayKinds, QuantitiesAndClasses) {
  using Q = Quantity;
  struct Case {
    int kind;
    KindClass cls;
    std::optional<Q> plain;
    std::optional<Q> variant;  // on the DEQ page, a shelving band, a subwoofer music mix
  };
  const Case cases[] = {
      {0, KindClass::None, std::nullopt, std::nullopt},
      {1, KindClass::List, Q::BandType, Q::BandType},
      {2, KindClass::Edit, Q::BandFrequency, Q::BandFrequency},
      {3, KindClass::Edit, Q::BandGain, Q::DeqBandGain},
      {4, KindClass::Edit, Q::PeakQ, Q::ShelfQ},
      {5, KindClass::Edit, Q::MusicInputGain, Q::MusicInputGain},
      {6, KindClass::Pane, Q::FilterFrequency, Q::FilterFrequency},
      {7, KindClass::Unused, std::nullopt, std::nullopt},
      {8, KindClass::Pane, Q::Level, Q::Level},
      {9, KindClass::Pane, Q::MixLevel, Q::SubMusicMixLevel},
      {10, KindClass::Pane, Q::EchoRightTime, Q::EchoRightTime},
      {11, KindClass::Pane, Q::EchoTime, Q::EchoTime},
      {12, KindClass::Pane, Q::ReverbTime, Q::ReverbTime},
      {13, KindClass::Unused, std::nullopt, std::nullopt},
      {14, KindClass::Pane, Q::OutputLimiter, Q::OutputLimiter},
      {15, KindClass::Pane, Q::Ratio, Q::Ratio},
      {16, KindClass::Pane, Q::Release, Q::Release},
      {17, KindClass::Pane, Q::Attack, Q::Attack},
      {18, KindClass::Pane, Q::OutputDelay, Q::OutputDelay},
      {19, KindClass::Unused, std::nullopt, std::nullopt},
      {20, KindClass::Pane, Q::DeqLevel, Q::DeqLevel},
      {21, KindClass::Pane, Q::MusicKey, Q::MusicKey},
      {22, KindClass::Pane, Q::MicInputGain, Q::MicInputGain},
      {23, KindClass::Pane, Q::Feedback, Q::Feedback},
      {24, KindClass::Pane, Q::NoiseGate, Q::NoiseGate},
      {25, KindClass::Pane, Q::MicLimiter, Q::MicLimiter},
      {26, KindClass::Pane, Q::EchoPreDelay, Q::EchoPreDelay},
      {27, KindClass::Unused, std::nullopt, std::nullopt},
      {-1, KindClass::Unused, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DisplayKindOf(c.kind).cls, c.cls) << c.kind;
    EXPECT_EQ(KindQuantity(c.kind), c.plain) << c.kind;
    EXPECT_EQ(KindQuantity(c.kind, {true, true, true}), c.variant) << c.kind;
  }
  EXPECT_TRUE(IsEditKind(kKindQ));
  EXPECT_FALSE(IsEditKind(kKindFilterFreq));
  EXPECT_TRUE(IsPaneKind(kKindEchoPreDelay));
  EXPECT_TRUE(IsListKind(kKindBandType));
}

// The kinds' ranges and the scales' ranges are two tables; they must agree.
TEST(DisplayKinds, RangesAgreeWithTheScales) {
  for (const DisplayKindRow& row : DisplayKindTable()) {
    const std::optional<Quantity> q = KindQuantity(row.kind);
    if (!q) continue;
    EXPECT_EQ(row.min, ScaleMin(*q)) << row.kind;
    EXPECT_EQ(row.max, ScaleMax(*q)) << row.kind;
  }
}

TEST(DisplayKinds, HintsAndSubwooferWord) {
  EXPECT_EQ(KindFromHint(""), std::nullopt);
  EXPECT_EQ(KindFromHint("4"), 4);
  EXPECT_EQ(KindFromHint("26"), 26);
  EXPECT_EQ(KindFromHint("4a"), std::nullopt);
  EXPECT_EQ(KindFromHint(" 4"), std::nullopt);
  EXPECT_EQ(KindFromHint("x"), std::nullopt);

  EXPECT_TRUE(IsSubMusicMixWord(6 * 256, 21));
  EXPECT_TRUE(IsSubMusicMixWord(6 * 256, 23));
  EXPECT_FALSE(IsSubMusicMixWord(6 * 256, 20));
  EXPECT_FALSE(IsSubMusicMixWord(6 * 256 + 2, 21));
}

}  // namespace
}  // namespace morvelin
