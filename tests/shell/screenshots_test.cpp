// Renders the main window on every tab into PNG files, when MORVELIN_SCREENSHOT_DIR names a
// folder (scripts/screenshots); otherwise skipped.

#include "support/screenshots.h"

#include <gtest/gtest.h>

#include "editor/widgets/controls/bmp_button.h"
#include "shell_fixture.h"

namespace morvelin::test {
namespace {

TEST(Screenshots, EveryTabNormalAndMaximised) {
  const QString dir = ScreenshotDir();
  if (dir.isEmpty()) GTEST_SKIP() << "MORVELIN_SCREENSHOT_DIR not set";
  Program p;
  p.Show();
  auto shoot = [&](const QString& name) { SaveShot(p.Main(), dir, name); };
  ShootEveryTab(p.Main(), dir);
  p.Main().Tabs().ClickTab(0);
  p.Main().resize(1600, 900);
  shoot("large_music");
  p.Main().Tabs().ClickTab(9);
  shoot("large_system");
  p.Main().resize(1198, 618);
  p.Main().Tabs().ClickTab(5);
  ASSERT_TRUE(p.WaitOnline());
  shoot("online_main");
}

// The pages in English, online, named en_tab<N>_<button>.png.
TEST(Screenshots, EveryTabInEnglish) {
  const QString dir = ScreenshotDir();
  if (dir.isEmpty()) GTEST_SKIP() << "MORVELIN_SCREENSHOT_DIR not set";
  Program p;
  p.Show();
  ASSERT_TRUE(p.WaitOnline());
  p.app.Features().language.RzToolButton11Click();
  ASSERT_EQ(p.app.State().UiLanguage, 0);
  ShootEveryTab(p.Main(), dir, "en_");
  // The effect page's other sheet and the output pair's right side.
  p.Main().Tabs().ClickTab(4);
  QTest::mouseClick(p.Main().Components().Get<BmpButton>("RvbToolButton"), Qt::LeftButton);
  SaveShot(p.Main(), dir, "en_tab4_reverb");
  SaveShot(p.app.Form2(), dir, "en_status_window");
}

}  // namespace
}  // namespace morvelin::test
