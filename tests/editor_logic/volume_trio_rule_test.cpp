#include "editor/volume_trio_rule.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

namespace morvelin {
namespace {

TEST(VolumeTrioRule, MovesAndTheirConsequences) {
  struct Case {
    const char* what;
    VolumeBars before;
    int which;
    int position;
    bool suppressed;
    VolumeBars after;
    std::array<bool, 3> writes;
  };
  // clang-format off
  const Case cases[] = {
      {"normal dragged up rises one step",  {10, 0, 84}, kNormalBar, 40, false, {11, 0, 84}, {true, false, false}},
      {"normal lowered at once",            {40, 0, 84}, kNormalBar, 5,  false, {5, 0, 84},  {true, false, false}},
      {"normal stops at the maximum",       {40, 0, 40}, kNormalBar, 60, false, {40, 0, 40}, {true, false, false}},
      {"refresh takes stored values",       {10, 0, 40}, kNormalBar, 60, true,  {60, 0, 40}, {true, false, false}},
      {"start above the maximum",           {10, 20, 40}, kStartBar, 70, false, {10, 40, 40}, {false, true, false}},
      {"start rises freely",                {10, 20, 84}, kStartBar, 70, false, {10, 70, 84}, {false, true, false}},
      {"maximum below start and normal",    {30, 50, 84}, kMaxBar,   20, false, {20, 20, 20}, {true, true, true}},
      {"maximum below start only",          {10, 50, 84}, kMaxBar,   30, false, {10, 30, 30}, {false, true, true}},
      {"maximum lowered in a refresh",      {30, 50, 84}, kMaxBar,   20, true,  {30, 50, 20}, {false, false, true}},
      {"position beyond the slider",        {10, 20, 40}, kMaxBar,   99, false, {10, 20, 84}, {false, false, true}},
      {"position below the slider",         {10, 20, 40}, kStartBar, -3, false, {10, 0, 40},  {false, true, false}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const VolumeTrioChange r = MoveVolumeBar(c.before, c.which, c.position, c.suppressed);
    EXPECT_EQ(r.bars, c.after);
    EXPECT_EQ(r.writes, c.writes);
    const std::array<int, 3> now{r.bars.normal, r.bars.start, r.bars.max};
    for (std::size_t bar = 0; bar < 3; ++bar)
      EXPECT_EQ(r.panes[bar], c.writes[bar] ? std::to_string(now[bar]) : std::string()) << bar;
  }
}

TEST(VolumeTrioRule, UnknownSliderChangesNothing) {
  const VolumeTrioChange r = MoveVolumeBar({10, 20, 30}, 3, 50, false);
  EXPECT_EQ(r.bars, (VolumeBars{10, 20, 30}));
  EXPECT_EQ(r.writes, (std::array<bool, 3>{}));
}

TEST(VolumeTrioRule, SlidersOfTheSystemPage) {
  struct Case {
    int index;
    std::optional<VolumeSlot> slot;
  };
  const Case cases[] = {
      {0, VolumeSlot{kMicVolume, kNormalBar}},    {1, VolumeSlot{kMusicVolume, kNormalBar}},
      {2, VolumeSlot{kEffectVolume, kNormalBar}}, {3, VolumeSlot{kMicVolume, kStartBar}},
      {4, VolumeSlot{kMicVolume, kMaxBar}},       {5, VolumeSlot{kMusicVolume, kStartBar}},
      {6, VolumeSlot{kMusicVolume, kMaxBar}},     {7, VolumeSlot{kEffectVolume, kStartBar}},
      {8, VolumeSlot{kEffectVolume, kMaxBar}},    {9, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VolumeSlotOf(29 * 256 + c.index), c.slot) << c.index;
    if (c.slot) {
      EXPECT_EQ(VolumeAddressOf(c.slot->source, c.slot->which), 29 * 256 + c.index);
    }
  }
  EXPECT_EQ(VolumeSlotOf(28 * 256 + 1), std::nullopt);
  EXPECT_EQ(VolumeSlotOf(-255), std::nullopt);
}

}  // namespace
}  // namespace morvelin
