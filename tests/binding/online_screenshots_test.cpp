// Renders every tab after the full read from the virtual unit into PNG files, at the design size
// and maximised on a full-HD screen, when MORVELIN_SCREENSHOT_DIR names a folder; else skipped.

#include <gtest/gtest.h>

#include "shell/shell_fixture.h"
#include "support/screenshots.h"

namespace morvelin::test {
namespace {

TEST(Screenshots, EveryTabAfterTheFullRead) {
  const QString dir = ScreenshotDir();
  if (dir.isEmpty()) GTEST_SKIP() << "MORVELIN_SCREENSHOT_DIR not set";
  Program p;
  p.Show();
  ASSERT_TRUE(p.WaitOnline());
  // At the design size, then as large as a maximised window on a full-HD screen.
  for (const char* size : {"", "_max"}) {
    if (*size) p.Main().resize(1920, 1040);
    ShootEveryTab(p.Main(), dir, QString("online%1_").arg(QString::fromUtf8(size)));
  }
}

}  // namespace
}  // namespace morvelin::test
