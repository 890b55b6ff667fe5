#include "graphs/widgets/graph_spectrum.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <cmath>
#include <numbers>

#include "fake_graph_host.h"
#include "golden_picture.h"
#include "graphs/widgets/band_point.h"
#include "graphs/widgets/graph_image.h"
#include "graphs/widgets/graph_pane.h"
#include "graphs/widgets/response_graph.h"
#include "params/scales.h"
#include "presets/notifier.h"
#include "support/fake_audio_capture.h"

namespace morvelin {
namespace {

using testing::FakeAudioCapture;
using testing::FakeGraphHost;

class RecordingNotifier : public Notifier {
 public:
  void ShowNotice(const QString& zh, const QString& en) override { shown.push_back({zh, en}); }
  std::vector<std::pair<QString, QString>> shown;
};

std::vector<char> Tone(double hz) {
  return testing::ToneBuffer({hz});
}

const QColor kBar(kSpectrumBarColour.red, kSpectrumBarColour.green, kSpectrumBarColour.blue);

class GraphSpectrumTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pane.show();
    host.pageAddress = testing::kMusicPage;
    graph.RedrawCurve(kSelectAll, 0);
  }

  void Start(bool deviceThere = true) {
    capture.startSucceeds = deviceThere;
    spectrum.StartSpectrumCapture();
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) graph.Timer1Timer();
  }
  // The pixels of a column painted in the bar colour.
  int BarPixels(int x) const {
    int n = 0;
    for (int y = 0; y < graph.Picture().height(); ++y) n += graph.Picture().pixelColor(x, y) == kBar;
    return n;
  }
  std::vector<int> BarProfile() const {
    std::vector<int> profile;
    for (int x = 0; x < graph.Picture().width(); ++x) profile.push_back(BarPixels(x));
    return profile;
  }
  int AllBarPixels() const {
    int n = 0;
    for (int x = 0; x < graph.Picture().width(); ++x) n += BarPixels(x);
    return n;
  }
  // The first drawn column of the bar whose centre is nearest a frequency.
  int BarColumnAt(double hz) const {
    const int g = SpectrumBarWidth(graph.Geometry().Width());
    return (NearestInt(graph.Geometry().FreqToX(hz)) / g) * g + 2;
  }

  FakeGraphHost host;
  GraphPane pane{host};
  ResponseGraph& graph = *pane.Graph();
  FakeAudioCapture capture;
  RecordingNotifier notifier;
  GraphSpectrum spectrum{graph, host, capture};
};

TEST_F(GraphSpectrumTest, SwitchWithoutDeviceShowsTheNoticeAndStaysOff) {
  Start(false);
  EXPECT_EQ(capture.starts, 1);
  EXPECT_FALSE(spectrum.Analyser().AudioPresent);
  spectrum.PinPPBtnClick(1, notifier);
  ASSERT_EQ(notifier.shown.size(), 1u);
  EXPECT_EQ(notifier.shown[0].first, QStringLiteral("没检测到音频设备"));
  EXPECT_EQ(notifier.shown[0].second, QStringLiteral("Audio device is not detected"));
  EXPECT_FALSE(spectrum.Analyser().SpectrumOn);
  Ticks(30);
  EXPECT_EQ(AllBarPixels(), 0);
  // The curve is drawn, without bars.
  EXPECT_TRUE(graph.HasCurve());
}

TEST_F(GraphSpectrumTest, SwitchingOnShowsBarsWithinElevenTicks) {
  Start();
  EXPECT_TRUE(capture.Running());
  for (int round = 0; round < 2; ++round) {
    spectrum.PinPPBtnClick(1, notifier);
    capture.Feed(Tone(1000));
    Ticks(10);
    EXPECT_EQ(AllBarPixels(), 0) << round;
    Ticks(1);
    EXPECT_GT(BarPixels(BarColumnAt(1000)), 200) << round;
    // Switching off removes the bars at once.
    spectrum.PinPPBtnClick(0, notifier);
    EXPECT_EQ(AllBarPixels(), 0) << round;
    // While off, buffers are not kept and ticks do nothing.
    capture.Feed(Tone(5000));
    Ticks(30);
    EXPECT_EQ(AllBarPixels(), 0) << round;
  }
  EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(GraphSpectrumTest, TheBarsAndCurvePictureStaysPixelForPixel) {
  host.store.ViewImage[0][BandWordIndex(10, 4, 2)] = 160;  // +8 dB at band 5
  graph.RedrawCurve(kSelectAll, 0);
  Start();
  spectrum.PinPPBtnClick(1, notifier);
  capture.Feed(testing::ToneBuffer({300, 1000, 6000}, 40));
  Ticks(11);
  const QImage want = testing::GoldenPicture("music_spectrum.png");
  ASSERT_EQ(want.size(), QSize(1142, 256));
  EXPECT_EQ(testing::ShownPicture(*graph.Image1()), want);
  // A curve redraw over the bars paints them the same.
  graph.RedrawCurve(kSelectAll, 0);
  EXPECT_EQ(testing::ShownPicture(*graph.Image1()), want);
}

TEST_F(GraphSpectrumTest, CurveRedrawsKeepTheBarsAndTheCurveLiesOverThem) {
  Start();
  spectrum.PinPPBtnClick(1, notifier);
  capture.Feed(Tone(1000));
  Ticks(11);
  const int x = BarColumnAt(1000);
  const int bar = BarPixels(x);
  ASSERT_GT(bar, 200);
  // The curve runs at 0 dB through the bar, in green over the blue.
  const int curveY = graph.CurvePoints()[0].y;
  const auto curveOverBar = [&] {
    const QColor c = graph.Picture().pixelColor(x, curveY);
    return c.green() > 200 && c.blue() < 100 && graph.Picture().pixelColor(x, curveY - 10) == kBar;
  };
  EXPECT_TRUE(curveOverBar());
  graph.RedrawCurve(kSelectAll, 0);
  EXPECT_EQ(BarPixels(x), bar);
  EXPECT_TRUE(curveOverBar());
}

TEST_F(GraphSpectrumTest, FloorSwitchLowersTheFloor) {
  Start();
  spectrum.PinPPBtnClick(1, notifier);
  // A faint tone: above the -64 dB floor, below the -52 dB one.
  std::vector<char> faint(kCaptureBufferBytes, char(128));
  for (int n = 0; n < kCaptureBufferBytes; n += 48) faint[n] = char(129);
  capture.Feed(faint);
  Ticks(11);
  const int onFloor = AllBarPixels();
  spectrum.PinDCFBtnClick(1);
  Ticks(11);
  EXPECT_GT(AllBarPixels(), onFloor);
  EXPECT_EQ(spectrum.Analyser().SpectrumFloor, 1);
}

TEST_F(GraphSpectrumTest, DraggingFreezesTheBarsUntilTheRelease) {
  Start();
  spectrum.PinPPBtnClick(1, notifier);
  capture.Feed(Tone(1000));
  Ticks(11);
  const int at1k = BarColumnAt(1000), at5k = BarColumnAt(5000);
  const std::vector<int> before = BarProfile();
  ASSERT_GT(before[at1k], 200);
  ASSERT_LT(before[at5k], 100);
  BandPoint* point = graph.Point(0);
  QTest::mousePress(point, Qt::LeftButton, {}, QPoint(7, 7));
  ASSERT_TRUE(graph.Dragging());
  capture.Feed(Tone(5000));
  Ticks(30);
  EXPECT_EQ(BarProfile(), before);
  QTest::mouseRelease(point, Qt::LeftButton, {}, QPoint(7, 7));
  ASSERT_FALSE(graph.Dragging());
  // The buffer fed during the drag was not taken: the bars stay until a new one arrives.
  Ticks(11);
  EXPECT_EQ(BarProfile(), before);
  capture.Feed(Tone(5000));
  Ticks(11);
  EXPECT_LT(BarPixels(at1k), 100);
  EXPECT_GT(BarPixels(at5k), 150);
}

TEST_F(GraphSpectrumTest, BarsAreSevenColumnsOfTheBarPenWithGaps) {
  Start();
  spectrum.PinPPBtnClick(1, notifier);
  capture.Feed(std::vector<char>(kCaptureBufferBytes, char(128)));
  Ticks(11);
  // Silence: bars from 47 on end at the floor, the bottom row alone painted.
  const int h = graph.Picture().height();
  for (int x = 9 * 60 - 1; x <= 9 * 60 + 6; ++x) EXPECT_EQ(BarPixels(x), 1) << x;
  EXPECT_EQ(BarPixels(9 * 60 + 7), 0);
  EXPECT_EQ(graph.Picture().pixelColor(9 * 60 + 3, h - 1), kBar);
  // Bar 2 (weight 0.25) rises to row 64, its top excluded.
  EXPECT_EQ(graph.Picture().pixelColor(9 * 2 + 3, 65), kBar);
  EXPECT_NE(graph.Picture().pixelColor(9 * 2 + 3, 64), kBar);
}

TEST_F(GraphSpectrumTest, DestroyingStopsTheCapture) {
  auto own = std::make_unique<GraphSpectrum>(graph, host, capture);
  own->StartSpectrumCapture();
  EXPECT_TRUE(capture.Running());
  own.reset();
  EXPECT_FALSE(capture.Running());
  graph.RedrawCurve(kSelectAll, 0);  // the graph no longer calls into it
  Ticks(11);
}

// A picture of the graph with the bars of a few tones, for looking at (scripts/screenshots).
TEST_F(GraphSpectrumTest, Screenshot) {
  const QString dir = QString::fromUtf8(qgetenv("MORVELIN_SCREENSHOT_DIR"));
  if (dir.isEmpty()) GTEST_SKIP() << "MORVELIN_SCREENSHOT_DIR not set";
  for (int band = 0; band < 10; ++band) host.store.ViewImage[0][BandWordIndex(10, band, 2)] = 90 + 9 * band;
  graph.RedrawCurve(kSelectAll, 0);
  Start();
  spectrum.PinPPBtnClick(1, notifier);
  const std::vector<char> music = testing::ToneBuffer({60.0, 250.0, 1000.0, 4000.0, 12000.0}, 24);
  capture.Feed(music);
  Ticks(11);
  QDir().mkpath(dir);
  EXPECT_TRUE(pane.grab().save(dir + "/graph_spectrum.png"));
}

}  // namespace
}  // namespace morvelin
