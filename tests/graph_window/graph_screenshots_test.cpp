// Renders the main window on every tab, online with the virtual unit's curve on the graph, into
// PNG files when MORVELIN_SCREENSHOT_DIR names a folder (scripts/screenshots); otherwise skipped.

#include <gtest/gtest.h>

#include "editor/widgets/controls/text_controls.h"
#include "graph_program.h"
#include "support/screenshots.h"

namespace morvelin::test {
namespace {

TEST(GraphScreenshots, EveryTabOnlineWithTheUnitsCurve) {
  const QString dir = ScreenshotDir();
  if (dir.isEmpty()) GTEST_SKIP() << "MORVELIN_SCREENSHOT_DIR not set";
  GraphProgram p;
  // Bands away from the flat defaults, so every page's curve has a shape.
  const int blocks[] = {0, 1, 2, 4, 6, 25};
  for (int block : blocks)
    for (int band = 0; band < EqBandCount(block); ++band) {
      const int first = EqBandStart(block);
      p.Unit().SetWord(block, BandWordIndex(first, band, 2), 120 + ((band * 37) % 61) - 30);
    }
  p.Unit().SetWord(0, 4, 1);
  p.Unit().SetWord(0, 5, 40);
  p.Show();
  ASSERT_TRUE(p.WaitOnline());
  auto shoot = [&](const QString& name) { SaveShot(p.Main(), dir, name); };
  ShootEveryTab(p.Main(), dir);
  p.Main().Tabs().ClickTab(0);
  p.Get<Edit>("MusFreEdit3")->Clicked();
  p.Main().Session().Tick();
  shoot("graph_music_band3");
  p.Main().resize(1920, 1040);
  shoot("graph_maximised_music");
  p.Main().Tabs().ClickTab(1);
  shoot("graph_maximised_deq");
  p.Main().resize(MainWindow::kDesignWidth, MainWindow::kDesignHeight);
}

}  // namespace
}  // namespace morvelin::test
