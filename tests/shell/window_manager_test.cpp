// The window buttons under a real window manager (X11 with openbox on a virtual display, see
// tests/support/run_under_wm): maximising and restoring go through the manager there, which the
// offscreen platform cannot show. Elsewhere these cases are skipped.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "shell_fixture.h"

namespace morvelin::test {
namespace {

bool UnderWindowManager() {
  return QGuiApplication::platformName() == "xcb" && qEnvironmentVariableIsSet("MORVELIN_WINDOW_MANAGER");
}

TEST(WindowManager, MaximiseThenRestoreReturnsToTheFormerSizeAndPlace) {
  if (!UnderWindowManager()) GTEST_SKIP() << "needs X11 with a window manager (run_under_wm)";
  Program p;
  p.Show();
  MainWindow& w = p.Main();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w, 5000));
  w.move(w.x() + 37, w.y() + 21);  // a place of the user's own, not the centre
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.geometry().topLeft() == w.pos() && w.isVisible(); }, 2000));
  QTest::qWait(100);
  const QRect before = w.geometry();
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    w.RzBmpButton1Click();
    const QRect area = w.screen()->availableGeometry();
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.isMaximized() && w.geometry() == area; }, 5000))
        << "maximised at " << w.geometry().x() << "," << w.geometry().y() << " " << w.width() << "x"
        << w.height();
    // It stays maximised: nothing of ours undoes the manager's state.
    QTest::qWait(200);
    EXPECT_TRUE(w.isMaximized());
    EXPECT_EQ(w.geometry(), area);
    EXPECT_LE(w.Components().Widget("FormPageItem")->geometry().bottom(), w.height() - 1);

    w.RzBmpButton1Click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isMaximized() && w.geometry() == before; }, 5000))
        << "restored at " << w.geometry().x() << "," << w.geometry().y() << " " << w.width() << "x"
        << w.height();
    QTest::qWait(200);
    EXPECT_EQ(w.geometry(), before);
    EXPECT_FALSE(w.windowState() & Qt::WindowMaximized);
  }
}

}  // namespace
}  // namespace morvelin::test
