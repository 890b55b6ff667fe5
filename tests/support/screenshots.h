#pragma once
// Screenshots for looking at the window: written only when MORVELIN_SCREENSHOT_DIR names a folder
// (scripts/screenshots sets it); the tests that take them skip otherwise.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>

#include "editor/widgets/tab_switch.h"

namespace morvelin::test {

// The screenshot folder (created), or empty when none is asked for.
inline QString ScreenshotDir() {
  const QString dir = QString::fromUtf8(qgetenv("MORVELIN_SCREENSHOT_DIR"));
  if (!dir.isEmpty()) QDir().mkpath(dir);
  return dir;
}

inline void SaveShot(QWidget& window, const QString& dir, const QString& name) {
  QApplication::processEvents();
  const QImage image = window.grab().toImage();
  ASSERT_TRUE(image.save(dir + "/" + name + ".png")) << name.toStdString();
}

// One picture per tab, named <prefix>tab<N>_<button>.png.
template <class Window>
void ShootEveryTab(Window& main, const QString& dir, const QString& prefix = {}) {
  for (int tab = 0; tab < tabs::kTabCount; ++tab) {
    main.Tabs().ClickTab(tab);
    SaveShot(main, dir,
             prefix + QString("tab%1_%2").arg(tab).arg(QString::fromUtf8(tabs::kTabs[tab].button)));
  }
}

}  // namespace morvelin::test
