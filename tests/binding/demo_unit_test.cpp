// The whole program on the virtual unit: the pages show the unit's values after the full read,
// a full refresh writes nothing to the unit, and a slider on the Main tab with Disco and the
// right side of the pair writes exactly one frame to the right device address.

#include <gtest/gtest.h>

#include "editor/widgets/controls/track_bar.h"
#include "link/frames.h"
#include "shell/shell_fixture.h"

namespace morvelin::test {
namespace {

// Frames of the unit's inbox other than keep-alives.
std::vector<Bytes> EditsReceived(const VirtualUnit& unit) {
  std::vector<Bytes> out;
  const Bytes keepAlive = LinkCodeFrame(KeepAlive);
  for (const Bytes& f : unit.ReceivedFrames())
    if (f != keepAlive) out.push_back(f);
  return out;
}

TEST(DemoUnit, FullReadShowsTheUnitRefreshSendsNothingAndOneSliderWritesOneFrame) {
  Program p;
  p.Show();
  ASSERT_TRUE(p.WaitOnline());
  VirtualUnit& unit = *p.app.Form3().DemoUnit();
  MainWindow& w = p.Main();
  FormComponents& c = w.Components();
  ParamStore& store = p.app.Store();

  // The music page shows the unit's key and HP frequency in their units.
  EXPECT_EQ(c.Find("MusPitchPane")->Caption(), QString::number(store.DeviceImage[0][3] - 7));
  EXPECT_TRUE(c.Find("MusHPFREPane")->Caption().endsWith("Hz"));
  // The output page was refreshed too, with a value the start-up defaults do not have.
  ASSERT_NE(store.DeviceImage[6][0], 0);
  EXPECT_EQ(c.Find("MainMusLevelPane")->Caption(), QString::number(store.DeviceImage[6][0]) + "%");

  p.clock.Advance(50);
  unit.ClearReceived();
  p.app.Features().binding.RefreshPage(kAllBlocks);
  p.clock.Advance(200);
  EXPECT_TRUE(EditsReceived(unit).empty());

  // Disco, Main pair on the right side: the output page edits Main R, Disco (block 10).
  store.DeviceImage[0][161] = 1;  // as the Disco button stores it
  p.app.Selection().SceneIndex = 1;
  p.app.State().MainChannelSel = 2;
  w.Tabs().ClickTab(5);
  ASSERT_EQ(p.app.Selection().CurOutBlock, 10);
  p.clock.Advance(50);
  unit.ClearReceived();
  auto* bar = c.Get<TrackBar>("MainMusLevelBar");
  const int value = bar->Position() == 150 ? 151 : 150;
  bar->SetPosition(value);
  ASSERT_TRUE(p.clock.RunUntil([&] { return !EditsReceived(unit).empty(); }, 2000));
  p.clock.Advance(200);
  const std::vector<Bytes> frames = EditsReceived(unit);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0], WordFrame(WriteType, MakeAddress(10, 0), value));
  EXPECT_EQ(frames[0], (Bytes{0xF5, 0xB2, frames[0][2], 0xB7, 0x0A, 0x00, static_cast<std::uint8_t>(value),
                              0x00, frames[0].back()}));
  EXPECT_EQ(c.Find("MainMusLevelPane")->Caption(), QString::number(value) + "%");
}

}  // namespace
}  // namespace morvelin::test
