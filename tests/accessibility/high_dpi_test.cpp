// The window at the scale factors 1.5 and 2: each runs in a program of its own (the factor is
// read when the application starts), which checks that the window keeps its layout, that its
// picture has the device's resolution and that no caption is cut off, on every page in both
// languages. With MORVELIN_SCREENSHOT_DIR set (scripts/screenshots) it also saves the pages.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QProcess>
#include <QProcessEnvironment>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/text_controls.h"
#include "shell/shell_fixture.h"
#include "support/screenshots.h"

namespace morvelin::test {
namespace {

constexpr char kScaledRun[] = "MORVELIN_SCALED_RUN";

// The room a control leaves its caption, or -1 for controls that draw no caption of their own.
int CaptionRoom(Control* c) {
  QWidget* w = c->Widget();
  if (auto* label = dynamic_cast<Label*>(c)) return label->contentsRect().width();
  if (dynamic_cast<BmpButton*>(c)) return w->width() - 4;
  if (dynamic_cast<GroupBox*>(c)) return w->width() - 2;
  if (dynamic_cast<TabSheet*>(c)) return w->width();
  if (auto* pane = dynamic_cast<StatusPane*>(c)) return pane->TextRoom();
  return -1;
}

TEST(HighDpi, TheWindowScalesByOneAndAHalfAndByTwo) {
  if (qEnvironmentVariableIsSet(kScaledRun)) GTEST_SKIP() << "inside a scaled run";
  for (const char* factor : {"1.5", "2"}) {
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", factor);
    env.insert(kScaledRun, factor);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=HighDpi.ScaledWindow"});
    ASSERT_TRUE(run.waitForFinished(240'000)) << factor;
    const QByteArray out = run.readAll();
    EXPECT_EQ(run.exitStatus(), QProcess::NormalExit) << factor;
    EXPECT_EQ(run.exitCode(), 0) << "factor " << factor << ":\n" << out.toStdString();
    EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
  }
}

TEST(HighDpi, ScaledWindow) {
  const QString factorText = qEnvironmentVariable(kScaledRun);
  if (factorText.isEmpty()) GTEST_SKIP() << "run by HighDpi.TheWindowScalesByOneAndAHalfAndByTwo";
  const double factor = factorText.toDouble();
  Program p;
  p.Show();
  ASSERT_TRUE(p.WaitOnline());
  MainWindow& w = p.Main();
  EXPECT_DOUBLE_EQ(w.devicePixelRatioF(), factor);
  // The layout is the one of the unscaled window; its picture has the device's pixels.
  EXPECT_EQ(w.size(), QSize(MainWindow::kDesignWidth, MainWindow::kDesignHeight));
  const QImage shot = w.grab().toImage();
  EXPECT_EQ(shot.size(), (QSizeF(w.size()) * factor).toSize());
  const QString dir = ScreenshotDir();
  const QString prefix = "x" + factorText + "_";
  for (int lang : {1, 0}) {
    if (p.app.State().UiLanguage != lang) p.app.Features().language.RzToolButton11Click();
    for (int tab = 0; tab < tabs::kTabCount; ++tab) {
      w.Tabs().ClickTab(tab);
      for (Control* c : w.Components().InOrder()) {
        QWidget* widget = c->Widget();
        const int room = CaptionRoom(c);
        if (!widget->isVisible() || c->Caption().isEmpty() || room < 0) continue;
        const QFontMetrics fm(widget->font(), widget);
        const std::string where = "tab " + std::to_string(tab) + " language " + std::to_string(lang) + ": " +
                                  widget->objectName().toStdString();
        EXPECT_LE(fm.horizontalAdvance(c->Caption()), room) << where;
        EXPECT_LE(fm.tightBoundingRect(c->Caption()).height(), widget->height()) << where;
      }
      if (!dir.isEmpty())
        SaveShot(w, dir,
                 prefix + (lang ? "" : "en_") +
                     QString("tab%1_%2").arg(tab).arg(QString::fromUtf8(tabs::kTabs[tab].button)));
    }
  }
}

}  // namespace
}  // namespace morvelin::test
