// Renders every tab after the full read from the virtual unit into PNG files, at the design size
// and maximised on a full-HD screen, when MORVELIN_SCREENSHOT_DIR names a folder; else skipped.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "editor/tab_switch.h"
#include "shell/shell_fixture.h"

namespace morvelin::test {
namespace {

TEST(Screenshots, EveryTabAfterTheFullRead) {
  const QByteArray dir = qgetenv("MORVELIN_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "MORVELIN_SCREENSHOT_DIR not set";
  QDir().mkpath(QString::fromUtf8(dir));
  Program p;
  p.Show();
  ASSERT_TRUE(p.WaitOnline());
  // At the design size, then as large as a maximised window on a full-HD screen.
  for (const char* size : {"", "_max"}) {
    if (*size) p.Main().resize(1920, 1040);
    for (int tab = 0; tab < tabs::kTabCount; ++tab) {
      p.Main().Tabs().ClickTab(tab);
      QApplication::processEvents();
      const QImage image = p.Main().grab().toImage();
      const QString name = QString("online%1_tab%2_%3.png")
                               .arg(QString::fromUtf8(size))
                               .arg(tab)
                               .arg(QString::fromUtf8(tabs::kTabs[tab].button));
      ASSERT_TRUE(image.save(QString::fromUtf8(dir) + "/" + name)) << name.toStdString();
    }
  }
}

}  // namespace
}  // namespace morvelin::test
