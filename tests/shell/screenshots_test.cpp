// Renders the main window on every tab into PNG files, when MORVELIN_SCREENSHOT_DIR names a
// folder (scripts/screenshots); otherwise skipped.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "editor/controls/bmp_button.h"
#include "editor/tab_switch.h"
#include "shell_fixture.h"

namespace morvelin::test {
namespace {

TEST(Screenshots, EveryTabNormalAndMaximised) {
  const QByteArray dir = qgetenv("MORVELIN_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "MORVELIN_SCREENSHOT_DIR not set";
  QDir().mkpath(QString::fromUtf8(dir));
  Program p;
  p.Show();
  auto shoot = [&](const QString& name) {
    QApplication::processEvents();
    const QImage image = p.Main().grab().toImage();
    ASSERT_TRUE(image.save(QString::fromUtf8(dir) + "/" + name + ".png")) << name.toStdString();
  };
  for (int tab = 0; tab < tabs::kTabCount; ++tab) {
    p.Main().Tabs().ClickTab(tab);
    shoot(QString("tab%1_%2").arg(tab).arg(QString::fromUtf8(tabs::kTabs[tab].button)));
  }
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

}  // namespace
}  // namespace morvelin::test
