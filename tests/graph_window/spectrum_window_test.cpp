// The spectrum analyser in the whole main window, on a stand-in audio input: the switch with
// and without a device, the bars on the window's 10 ms ticks and the floor switch.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "editor/widgets/controls/bmp_button.h"
#include "graph_program.h"
#include "graphs/spectrum.h"
#include "graphs/widgets/graph_spectrum.h"
#include "support/fake_audio_capture.h"
#include "support/screenshots.h"

namespace morvelin::test {
namespace {

using testing::FakeAudioCapture;

const QColor kBar(kSpectrumBarColour.red, kSpectrumBarColour.green, kSpectrumBarColour.blue);

std::vector<char> Tone(double hz) {
  return testing::ToneBuffer({hz});
}

StartupOptions WithoutDevice() {
  StartupOptions o = DemoOptions();
  o.audioCapture = [] {
    auto c = std::make_unique<FakeAudioCapture>();
    c->startSucceeds = false;
    return c;
  };
  return o;
}

struct SpectrumWindow {
  explicit SpectrumWindow(const StartupOptions& options = DemoOptions()) : p(options) {
    p.Show();
    EXPECT_TRUE(p.WaitOnline());
  }
  FakeAudioCapture& Capture() { return dynamic_cast<FakeAudioCapture&>(p.app.Features().spectrum.Capture()); }
  const SpectrumAnalyser& Analyser() { return p.app.Features().spectrum.Spectrum()->Analyser(); }
  BmpButton& Switch() { return *p.Get<BmpButton>("PinPPBtn"); }
  // The window's 10 ms timer, stepped.
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) p.app.Session().Tick();
  }
  int BarPixels() {
    const QImage& picture = p.Graph().Picture();
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) n += picture.pixelColor(x, y) == kBar;
    return n;
  }
  GraphProgram p;
};

TEST(SpectrumWindow, CaptureStartsOnceAtCreation) {
  GraphProgram p;
  auto& capture = dynamic_cast<FakeAudioCapture&>(p.app.Features().spectrum.Capture());
  EXPECT_EQ(capture.starts, 1);
  EXPECT_TRUE(capture.Running());
  p.Show();
  EXPECT_EQ(capture.starts, 1);
  EXPECT_TRUE(p.app.Features().spectrum.Spectrum()->Analyser().AudioPresent);
  EXPECT_FALSE(p.app.Features().spectrum.Spectrum()->Analyser().SpectrumOn);
}

TEST(SpectrumWindow, SwitchWithoutDeviceShowsTheNoticeInTheLanguageAndStaysOff) {
  SpectrumWindow w(WithoutDevice());
  EXPECT_FALSE(w.Analyser().AudioPresent);
  w.p.messages.shown.clear();
  emit w.Switch().Clicked();
  ASSERT_EQ(w.p.messages.shown.size(), 1u);
  EXPECT_EQ(w.p.messages.shown[0].caption, QApplication::applicationDisplayName());
  EXPECT_EQ(w.p.messages.shown[0].text, QStringLiteral("没检测到音频设备"));
  EXPECT_FALSE(w.Analyser().SpectrumOn);
  EXPECT_EQ(w.Switch().Hint(), QStringLiteral("0"));
  w.p.app.Session().State().UiLanguage = 0;
  emit w.Switch().Clicked();
  ASSERT_EQ(w.p.messages.shown.size(), 2u);
  EXPECT_EQ(w.p.messages.shown[1].text, QStringLiteral("Audio device is not detected"));
  EXPECT_EQ(w.Switch().Hint(), QStringLiteral("0"));
  w.Ticks(30);
  EXPECT_EQ(w.BarPixels(), 0);
  EXPECT_TRUE(w.p.Graph().HasCurve());
}

TEST(SpectrumWindow, BarsComeWithinElevenTicksAndGoAtOnce) {
  SpectrumWindow w;
  emit w.Switch().Clicked();
  EXPECT_TRUE(w.Analyser().SpectrumOn);
  EXPECT_EQ(w.Switch().Hint(), QStringLiteral("1"));
  w.Capture().Feed(Tone(1000));
  w.Ticks(11);
  EXPECT_GT(w.BarPixels(), 1000);
  emit w.Switch().Clicked();
  EXPECT_FALSE(w.Analyser().SpectrumOn);
  EXPECT_EQ(w.Switch().Hint(), QStringLiteral("0"));
  EXPECT_EQ(w.BarPixels(), 0);
  EXPECT_TRUE(w.p.messages.shown.empty());
}

TEST(SpectrumWindow, TheTimerKeepsTheRhythmOnlyWhileTheAnalyserIsOn) {
  SpectrumWindow w;
  MainWindow& m = w.p.Main();
  m.Timer1Timer();
  EXPECT_FALSE(m.Timer1().isActive()) << "idle and off: no ticks";
  emit w.Switch().Clicked();
  m.WakeTimer1();
  ASSERT_TRUE(m.Timer1().isActive());
  for (int i = 0; i < 30; ++i) m.Timer1Timer();
  EXPECT_TRUE(m.Timer1().isActive()) << "on: the timer keeps running";
  emit w.Switch().Clicked();
  m.Timer1Timer();
  EXPECT_FALSE(m.Timer1().isActive());
  m.WakeTimer1();
  EXPECT_FALSE(m.Timer1().isActive());
}

TEST(SpectrumWindow, PageSwitchesKeepTheBars) {
  SpectrumWindow w;
  emit w.Switch().Clicked();
  w.Capture().Feed(Tone(1000));
  w.Ticks(22);
  const int bars = w.BarPixels();
  ASSERT_GT(bars, 1000);
  w.p.Main().Tabs().ClickTab(2);
  EXPECT_GT(w.BarPixels(), 1000);
}

TEST(SpectrumWindow, FloorSwitchFollowsItsButton) {
  SpectrumWindow w;
  BmpButton* floor = w.p.Get<BmpButton>("PinDCFBtn");
  ASSERT_TRUE(floor);
  emit floor->Clicked();
  EXPECT_EQ(w.Analyser().SpectrumFloor, 1);
  emit floor->Clicked();
  EXPECT_EQ(w.Analyser().SpectrumFloor, 0);
}

// The window with the analyser on, for looking at (scripts/screenshots).
TEST(SpectrumWindow, Screenshot) {
  const QString dir = ScreenshotDir();
  if (dir.isEmpty()) GTEST_SKIP() << "MORVELIN_SCREENSHOT_DIR not set";
  SpectrumWindow w;
  emit w.Switch().Clicked();
  const std::vector<char> music = testing::ToneBuffer({80.0, 300.0, 1000.0, 3000.0, 9000.0}, 24);
  w.Capture().Feed(music);
  w.Ticks(11);
  SaveShot(w.p.Main(), dir, "graph_spectrum_window");
}

}  // namespace
}  // namespace morvelin::test
