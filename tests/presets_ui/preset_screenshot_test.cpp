// Renders the system page online with a few backups listed, when MORVELIN_SCREENSHOT_DIR names a
// folder (scripts/screenshots); otherwise skipped.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "shell/shell_fixture.h"

namespace morvelin::test {
namespace {

TEST(Screenshots, SystemPageWithModesAndBackups) {
  const QByteArray dir = qgetenv("MORVELIN_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "MORVELIN_SCREENSHOT_DIR not set";
  QDir().mkpath(QString::fromUtf8(dir));
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  StartupOptions o = DemoOptions();
  o.backups = {tmp.path() + "/prog", tmp.path() + "/appdata", {}};
  Program p(o);
  p.app.Form3().DemoUnit()->SetModeName(2, "Party");
  p.Show();
  ASSERT_TRUE(p.WaitOnline());
  for (const char* name : {"Concert hall", "Party", "Rehearsal"}) {
    p.Main().Components().Find("FileEdit")->SetCaption(name);
    p.app.Presets().Manager().RzBmpButton120Click();
  }
  p.Main().Tabs().ClickTab(9);
  QApplication::processEvents();
  ASSERT_TRUE(p.Main().grab().toImage().save(QString::fromUtf8(dir) + "/presets_system.png"));
}

}  // namespace
}  // namespace morvelin::test
