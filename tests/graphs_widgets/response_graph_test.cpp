#include "graphs/widgets/response_graph.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <QtMath>
#include <cmath>

#include "fake_graph_host.h"
#include "golden_picture.h"
#include "graphs/widgets/band_point.h"
#include "graphs/widgets/graph_image.h"
#include "graphs/widgets/graph_pane.h"
#include "params/scales.h"

namespace morvelin {
namespace {

using testing::FakeGraphHost;
using testing::kDeqPage;
using testing::kMusicPage;
using testing::kOutputPage;

constexpr QPoint kGrip{7, 7};  // where a point is pressed, in its own coordinates

class ResponseGraphTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pane.show();
    ShowPage(kMusicPage);
  }

  void ShowPage(int pageAddress) {
    host.pageAddress = pageAddress;
    graph.RedrawCurve(kSelectAll, pageAddress / 256);
  }

  BandPoint* Point(int p) { return graph.Point(p); }
  int& View(int block, int word) { return host.store.ViewImage[block][word]; }

  // The pointer at `target` in the graph's coordinates while the point holds it.
  static void MoveTo(BandPoint* p, QPoint target) { QTest::mouseMove(p, target - p->pos()); }

  // Presses a point, moves the pointer by `delta` in `steps` motions and releases it.
  void Drag(int point, QPoint delta, int steps = 10, Qt::MouseButton button = Qt::LeftButton) {
    BandPoint* p = Point(point);
    const QPoint start = p->pos() + kGrip;
    QTest::mousePress(p, button, {}, kGrip);
    for (int k = 1; k <= steps; ++k) MoveTo(p, start + delta * k / steps);
    QTest::mouseRelease(p, button, {}, start + delta - p->pos());
  }

  // The last value sent to the unit for a view address, or -1.
  int LastSent(int viewAddress) const {
    const int device = host.store.DeviceAddressOf(viewAddress);
    int value = -1;
    for (const testing::SentWord& s : host.Sent())
      if (s.address == device) value = s.value;
    return value;
  }

  FakeGraphHost host;
  GraphPane pane{host};
  ResponseGraph& graph = *pane.Graph();
};

TEST_F(ResponseGraphTest, PagesShowTheirPointsAndSumTheirResponses) {
  struct Case {
    int pageAddress;
    int bands;
    bool filters;
  };
  const Case cases[] = {{kMusicPage, 10, true}, {kDeqPage, 3, false}, {testing::kMicPage, 15, true}};
  for (const Case& c : cases) {
    const int block = c.pageAddress / 256;
    // One band boosted so the sum is visible at its own grid index.
    View(block, BandWordIndex(EqBandStart(block), 1, 2)) = 150;  // +6 dB
    ShowPage(c.pageAddress);
    for (int p = 0; p < 20; ++p)
      EXPECT_EQ(!Point(p)->isHidden(), p < c.bands) << c.pageAddress << " EP" << p + 1;
    EXPECT_EQ(!Point(kHighPassPoint)->isHidden(), c.filters);
    EXPECT_EQ(!Point(kLowPassPoint)->isHidden(), c.filters);
    const int entries = c.bands + (c.filters ? 2 : 0);
    for (int e = 0; e < entries; ++e) {
      const int expectedPoint = e < c.bands ? e : (e == c.bands ? kHighPassPoint : kLowPassPoint);
      EXPECT_EQ(graph.Bands()[e].entry.point, expectedPoint);
    }
    const int g = GridIndexOf(SnapToGrid(graph.Bands()[1].entry.frequency));
    EXPECT_EQ(graph.CurvePoints()[g].y, NearestInt(graph.Geometry().DbToY(6.0)));
    EXPECT_TRUE(graph.HasCurve());
    // Band 2's point is centred on its frequency and gain.
    EXPECT_EQ(Point(1)->pos(),
              QPoint(NearestInt(graph.Geometry().FreqToX(graph.Bands()[1].entry.frequency) - 7),
                     NearestInt(graph.Geometry().DbToY(6.0) - 7)));
  }
}

TEST_F(ResponseGraphTest, CurveIsPaintedInTheCurveColour) {
  View(0, BandWordIndex(10, 4, 2)) = 170;  // +10 dB
  ShowPage(kMusicPage);
  const PixelPoint peak = graph.CurvePoints()[GridIndexOf(SnapToGrid(graph.Bands()[4].entry.frequency))];
  // Anti-aliased: the pen's hue blended with the dark background.
  EXPECT_NEAR(graph.Picture().pixelColor(peak.x, peak.y).hue(), QColor(0, 255, 0).hue(), 3);
  graph.SetCurveColour(QColor(243, 152, 0));
  ShowPage(kMusicPage);
  EXPECT_NEAR(graph.Picture().pixelColor(peak.x, peak.y).hue(), QColor(243, 152, 0).hue(), 3);
  // Away from the curve the grid is untouched.
  EXPECT_EQ(graph.Picture().pixelColor(peak.x, 250), graph.GridBitmap().pixelColor(peak.x, 250));
}

TEST_F(ResponseGraphTest, GridBitmapHoldsTheGridLines) {
  struct Case {
    int x, y;
    QColor colour;
  };
  const QColor background(5, 5, 5), major(110, 110, 110), minor(64, 64, 64);
  const Case cases[] = {
      {10, 3, background}, {0, 40, major},         {676, 40, major},   // left border, 1 kHz
      {300, 85, major},    {300, 0, major},        {300, 255, major},  // 0, 12 and -24 dB
      {300, 64, minor},    {102, 40, minor},                           // 3 dB, 20 Hz
      {1140, 40, major},   {1141, 40, background},                     // right border at N GridScale - 2
  };
  ASSERT_EQ(graph.GridBitmap().size(), QSize(1142, 256));
  for (const Case& c : cases)
    EXPECT_EQ(graph.GridBitmap().pixelColor(c.x, c.y), c.colour) << c.x << "," << c.y;
}

TEST_F(ResponseGraphTest, TheCurvePictureStaysPixelForPixel) {
  for (int band = 0; band < 10; ++band) View(0, BandWordIndex(10, band, 2)) = 90 + (band * 37) % 61;
  View(0, 4) = 1;  // a high-pass filter at FreqList[40]
  View(0, 5) = 40;
  ShowPage(kMusicPage);
  graph.RedrawCurve(3, 0);
  const QImage want = testing::GoldenPicture("music_curve.png");
  ASSERT_EQ(want.size(), QSize(1142, 256));
  EXPECT_EQ(testing::ShownPicture(*graph.Image1()), want);
  EXPECT_EQ(graph.Picture().convertToFormat(QImage::Format_RGB32), want);
  // A single band stepped and stepped back draws the same picture again.
  View(0, BandWordIndex(10, 3, 2)) += 5;
  graph.RedrawCurve(3, 0);
  EXPECT_NE(testing::ShownPicture(*graph.Image1()), want);
  View(0, BandWordIndex(10, 3, 2)) -= 5;
  graph.RedrawCurve(3, 0);
  EXPECT_EQ(testing::ShownPicture(*graph.Image1()), want);
}

// On denser screens the picture is drawn at device resolution, not stretched: the grid lands on
// whole device pixels in pure colours (at 2, away from the curve, it is the scale-1 grid doubled),
// and the curve and the points are drawn anew, finer than a stretched copy would show them.
TEST_F(ResponseGraphTest, HighDpiPicturesAreDrawnAtDeviceResolution) {
  View(0, BandWordIndex(10, 4, 2)) = 170;  // +10 dB at band 5
  ShowPage(kMusicPage);
  const QImage one = testing::ShownPicture(*graph.Image1());
  const QColor background(5, 5, 5), major(110, 110, 110), minor(64, 64, 64);
  const auto render = [](QWidget& w, qreal dpr) {
    QImage dense(qCeil(w.width() * dpr), qCeil(w.height() * dpr), QImage::Format_RGB32);
    dense.setDevicePixelRatio(dpr);
    dense.fill(Qt::white);
    w.render(&dense);
    return dense;
  };
  // Stretching a picture repeats its pixels.
  const auto stretched = [](const QImage& img, int factor) {
    return img.scaled(img.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  };
  for (qreal dpr : {1.5, 2.0}) {
    const QImage dense = render(*graph.Image1(), dpr);
    // Below the curve and the points only grid pixels.
    int off = 0;
    for (int y = int(200 * dpr); y < dense.height(); ++y)
      for (int x = 0; x < dense.width(); ++x) {
        const QColor c = dense.pixelColor(x, y);
        off += c != background && c != major && c != minor;
      }
    EXPECT_EQ(off, 0) << dpr;
    if (dpr != 2.0) continue;
    const QImage twice = stretched(one, 2);
    EXPECT_EQ(dense.copy(0, 400, dense.width(), dense.height() - 400),
              twice.copy(0, 400, twice.width(), twice.height() - 400));
    EXPECT_NE(dense.copy(0, 0, dense.width(), 200), twice.copy(0, 0, twice.width(), 200))
        << "the curve is stretched";
    const QImage point = render(*Point(0), 2.0);
    EXPECT_NE(point.convertToFormat(QImage::Format_RGB32),
              stretched(render(*Point(0), 1.0), 2).convertToFormat(QImage::Format_RGB32))
        << "the point is stretched";
  }
  // Back on the scale-1 screen the picture is the one it was.
  EXPECT_EQ(testing::ShownPicture(*graph.Image1()), one);
}

// A repaint of part of the image (a drag invalidates only around the curve) paints there exactly
// the pixels of the whole picture, at every scale factor.
TEST_F(ResponseGraphTest, PartialRepaintsMatchTheWholePicture) {
  View(0, BandWordIndex(10, 4, 2)) = 170;  // +10 dB at band 5: the curve crosses the grid
  ShowPage(kMusicPage);
  QWidget& image = *graph.Image1();
  const auto render = [&image](qreal dpr, const QRegion& region) {
    QImage dense(qCeil(image.width() * dpr), qCeil(image.height() * dpr), QImage::Format_RGB32);
    dense.setDevicePixelRatio(dpr);
    dense.fill(Qt::white);
    // A source region is rendered with its top left at the offset.
    image.render(&dense, region.boundingRect().topLeft(), region);
    return dense;
  };
  // Even logical edges land on whole device pixels at 1.5 too.
  const QRegion regions[] = {
      QRegion(100, 36, 84, 62),                             // across the 20 Hz and level lines
      QRegion(674, 0, 4, 256),                              // around the 1 kHz line
      QRegion(1130, 0, 12, 256),                            // the right border and past it
      QRegion(0, 80, 1142, 10) + QRegion(500, 0, 40, 256),  // the 0 dB line and the curve
      QRegion(0, 0, 2, 2) + QRegion(300, 250, 20, 6),       // the corner and the bottom line
  };
  for (qreal dpr : {1.0, 1.5, 2.0}) {
    const QImage whole = render(dpr, QRegion());
    for (const QRegion& region : regions) {
      const QImage part = render(dpr, region);
      int differ = 0;
      for (const QRect& r : region) {
        const QRect d(QPoint(int(r.left() * dpr), int(r.top() * dpr)), r.size() * dpr);
        for (int y = d.top(); y <= d.bottom() && y < whole.height(); ++y)
          for (int x = d.left(); x <= d.right() && x < whole.width(); ++x)
            differ += part.pixel(x, y) != whole.pixel(x, y);
      }
      EXPECT_EQ(differ, 0) << dpr << " at " << region.boundingRect().x() << "," << region.boundingRect().y();
    }
  }
}

TEST_F(ResponseGraphTest, PageWithoutBandsShowsTheEmptyGrid) {
  ShowPage(0x1E07);  // the system page
  for (int p = 0; p < kCurvePointCount; ++p) EXPECT_TRUE(Point(p)->isHidden());
  EXPECT_FALSE(graph.HasCurve());
  EXPECT_EQ(graph.Picture(), graph.GridBitmap());
}

TEST_F(ResponseGraphTest, DraggedPointsStopAtTheLimits) {
  struct Case {
    const char* what;
    int pageAddress, point;
    QPoint delta;
    int word;  // in the page block
    int value;
    double pointDb;  // the line the point's centre stops on, NAN: not checked
  };
  const Case cases[] = {
      {"far right", kMusicPage, 0, {1500, 0}, 11, kFreqTop, NAN},  // 20600 Hz
      // 19.5 Hz read back in whole Hz is 20 Hz, nearest to the entry 20.1 Hz.
      {"far left", kMusicPage, 4, {-1500, 0}, 31, 1, NAN},
      {"above", kMusicPage, 2, {0, -300}, 22, 180, NAN},  // 12 dB
      {"below", kMusicPage, 2, {0, 400}, 22, 0, NAN},     // -24 dB
      {"DEQ below", kDeqPage, 0, {0, 400}, 4, 60, -12.0},
      {"HPF far right", kMusicPage, kHighPassPoint, {1500, -40}, 5, kFreqTop, 0.0},
  };
  for (const Case& c : cases) {
    ShowPage(c.pageAddress);
    const int block = c.pageAddress / 256;
    Drag(c.point, c.delta, 15);
    EXPECT_EQ(View(block, c.word), c.value) << c.what;
    EXPECT_EQ(LastSent(MakeAddress(block, c.word)), c.value) << c.what;
    if (!std::isnan(c.pointDb)) {
      EXPECT_EQ(Point(c.point)->y(), NearestInt(graph.Geometry().DbToY(c.pointDb) - 7)) << c.what;
    }
  }
}

TEST_F(ResponseGraphTest, DragWritesEachWordOnlyWhenItChanges) {
  const int before = int(host.Sent().size());
  Drag(3, {40, -20}, 20);
  std::vector<testing::SentWord> sent(host.Sent().begin() + before, host.Sent().end());
  ASSERT_FALSE(sent.empty());
  for (std::size_t i = 1; i < sent.size(); ++i) {
    // Consecutive writes of one word always carry a new value.
    for (std::size_t j = i; j-- > 0;) {
      if (sent[j].address != sent[i].address) continue;
      EXPECT_NE(sent[j].value, sent[i].value);
      break;
    }
  }
  for (const testing::SentWord& s : sent)
    EXPECT_TRUE(s.address == host.store.DeviceAddressOf(26) || s.address == host.store.DeviceAddressOf(27));
  EXPECT_GT(View(0, 27), 120);  // gain went up
  EXPECT_GT(View(0, 26), 115);  // frequency went up
  // The curve followed the drag with the band selected.
  EXPECT_FALSE(graph.EqLabel()->isHidden());
  EXPECT_EQ(graph.Bands()[3].entry.gain, float(View(0, 27)) / 5.0f - 24.0f);
}

TEST_F(ResponseGraphTest, HighPassPointMovesHorizontallyOnly) {
  const QPoint before = Point(kHighPassPoint)->pos();
  Drag(kHighPassPoint, {200, -60});
  EXPECT_EQ(Point(kHighPassPoint)->y(), before.y());
  EXPECT_GT(Point(kHighPassPoint)->x(), before.x());
  ASSERT_FALSE(host.Sent().empty());
  for (const testing::SentWord& s : host.Sent()) EXPECT_EQ(s.address, host.store.DeviceAddressOf(5));
  EXPECT_GT(View(0, 5), 0);
}

// One pixel up or down is 0.14 dB at the design height, already the next 0.2 dB gain word, so
// only sideways motions stay within both steps.
TEST_F(ResponseGraphTest, TinyDragWritesNothing) {
  const QPoint motions[] = {{1, 0}, {-1, 0}, {0, 0}};
  for (const QPoint& m : motions) {
    for (int point : {0, 4, 9}) {
      const int freq = View(0, BandWordIndex(10, point, 1)), gain = View(0, BandWordIndex(10, point, 2));
      Drag(point, m, 1);
      EXPECT_TRUE(host.Sent().empty()) << "EP" << point + 1 << " by " << m.x() << "," << m.y();
      EXPECT_EQ(View(0, BandWordIndex(10, point, 1)), freq);
      EXPECT_EQ(View(0, BandWordIndex(10, point, 2)), gain);
    }
  }
}

TEST_F(ResponseGraphTest, AutoModeBlocksOutputDrags) {
  host.autoManual = 0;
  ShowPage(kOutputPage);
  const QPoint before = Point(0)->pos();
  Drag(0, {50, -30});
  Drag(1, {20, 0}, 5, Qt::RightButton);
  EXPECT_EQ(Point(0)->pos(), before);
  EXPECT_TRUE(host.Sent().empty());
  EXPECT_TRUE(host.applied.empty());
  EXPECT_TRUE(host.clicked.empty());
  // In Manual mode the same drag writes.
  host.autoManual = 1;
  Drag(0, {50, -30});
  EXPECT_FALSE(host.Sent().empty());
}

TEST_F(ResponseGraphTest, AllPassRefusesTheEqualiserDrags) {
  graph.ShowEqPass(true);
  const QPoint before = Point(2)->pos();
  Drag(2, {60, -40});
  Drag(kLowPassPoint, {-200, 0});
  EXPECT_EQ(Point(2)->pos(), before);
  EXPECT_TRUE(host.Sent().empty());
  graph.ShowEqPass(false);
  Drag(2, {60, -40});
  EXPECT_FALSE(host.Sent().empty());
}

TEST_F(ResponseGraphTest, DragsWaitForStartUp) {
  host.startupDone = false;
  Drag(2, {60, -40});
  Drag(2, {20, 0}, 10, Qt::RightButton);
  EXPECT_TRUE(host.Sent().empty());
  EXPECT_TRUE(host.clicked.empty());
}

TEST_F(ResponseGraphTest, RightDragStepsTheQ) {
  BandPoint* ep3 = Point(2);
  const QPoint at = ep3->pos();
  QTest::mousePress(ep3, Qt::RightButton, {}, kGrip);
  EXPECT_TRUE(graph.QDragMode());
  for (int k = 1; k <= 10; ++k) QTest::mouseMove(ep3, kGrip + QPoint(k, 0));
  EXPECT_EQ(View(0, 23), 16 + 3);  // Q 1.00 three list entries up
  EXPECT_EQ(host.Sent().size(), 3u);
  EXPECT_EQ(LastSent(23), 19);
  EXPECT_EQ(ep3->pos(), at);  // the gesture does not move the point
  QTest::mouseRelease(ep3, Qt::RightButton, {}, kGrip + QPoint(10, 0));
  EXPECT_FALSE(graph.QDragMode());
  ASSERT_FALSE(host.clicked.empty());
  EXPECT_EQ(host.clicked.back(), host.ValueControl(21));  // back to the band's frequency edit
  // Leftward motions step it down again; a right press on a filter point does nothing.
  QTest::mousePress(ep3, Qt::RightButton, {}, kGrip);
  for (int k = 1; k <= 4; ++k) QTest::mouseMove(ep3, kGrip - QPoint(k, 0));
  QTest::mouseRelease(ep3, Qt::RightButton, {}, kGrip - QPoint(4, 0));
  EXPECT_EQ(View(0, 23), 18);
  QTest::mousePress(Point(kHighPassPoint), Qt::RightButton, {}, kGrip);
  EXPECT_FALSE(graph.QDragMode());
  QTest::mouseRelease(Point(kHighPassPoint), Qt::RightButton, {}, kGrip);
}

TEST_F(ResponseGraphTest, ValueLabelTextAndPlace) {
  struct Case {
    int gainWord;
    const char* text;
    bool above;
  };
  const int k1000 = FreqIndexOf(1000);
  ASSERT_EQ(FreqValueAt(k1000), 1000.0f);
  const Case cases[] = {{135, "3.0dB\nQ:1.00\n1000.00Hz", false},
                        {105, "-3.0dB\nQ:1.00\n1000.00Hz", true},
                        {120, "0.0dB\nQ:1.00\n1000.00Hz", false}};
  for (const Case& c : cases) {
    View(0, 21) = k1000;
    View(0, 22) = c.gainWord;
    graph.RedrawCurve(2, 0);
    QLabel* label = graph.EqLabel();
    ASSERT_FALSE(label->isHidden());
    EXPECT_EQ(label->text().toStdString(), c.text);
    const BandPoint* p = Point(2);
    EXPECT_EQ(label->x(), p->x() + p->width() / 2 - label->width() / 2);
    EXPECT_EQ(label->y(), c.above ? p->y() - label->height() - 1 : p->y() + p->height()) << c.text;
  }
  graph.RedrawCurve(kSelectAll, 0);
  EXPECT_TRUE(graph.EqLabel()->isHidden());
  // Pressing a filter point selects its entry: a bypassed high-pass filter at 19 Hz.
  QTest::mousePress(Point(kHighPassPoint), Qt::LeftButton, {}, kGrip);
  QTest::mouseRelease(Point(kHighPassPoint), Qt::LeftButton, {}, kGrip);
  EXPECT_EQ(graph.EqLabel()->text().toStdString(), "HPF:19.00Hz");
  EXPECT_EQ(Point(kHighPassPoint)->y(), NearestInt(graph.Geometry().DbToY(0) - 7));
}

TEST_F(ResponseGraphTest, TheValueLabelStaysInsideTheImageAndOverThePoints) {
  struct Case {
    const char* what;
    int selection;
    int freqWord;  // of the selected entry
    int gainWord;  // bands only
  };
  const Case cases[] = {
      {"high-pass near the top of the list", 10, 358, 0},
      {"band at the right edge", 3, kFreqTop, 180},
      {"band at the left edge, low", 3, 0, 0},
      {"band at the top", 4, 200, 180},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.selection == 10) {
      View(0, 4) = 2;
      View(0, 5) = c.freqWord;
    } else {
      View(0, 10 + 5 * c.selection + 1) = c.freqWord;
      View(0, 10 + 5 * c.selection + 2) = c.gainWord;
    }
    graph.RedrawCurve(kSelectAll, 0);
    graph.RedrawCurve(c.selection, 0);
    QLabel* label = graph.EqLabel();
    ASSERT_FALSE(label->isHidden());
    EXPECT_TRUE(graph.rect().contains(label->geometry())) << label->text().toStdString();
    // Drawn over every point: it comes after all of them among the graph's children.
    const QObjectList& children = graph.children();
    for (int p = 0; p < kCurvePointCount; ++p)
      EXPECT_GT(children.indexOf(label), children.indexOf(Point(p))) << p;
  }
}

TEST_F(ResponseGraphTest, TimerFollowsEditsAndPausesWhileDragging) {
  host.ApplyValue(host.ValueControl(32), FakeGraphHost::StepNone, 0, 150);  // band 5 +6 dB
  graph.Timer1Timer();
  EXPECT_FLOAT_EQ(graph.Bands()[4].entry.gain, 6.0f);
  EXPECT_FALSE(graph.EqLabel()->isHidden());
  EXPECT_EQ(Point(4)->y(), NearestInt(graph.Geometry().DbToY(6.0) - 7));
  // Refreshing pages are not drawn; an edit outside every band leaves the curve alone.
  host.refreshing = true;
  View(0, 32) = 100;
  host.lastEdit = {32, 100};
  graph.Timer1Timer();
  EXPECT_FLOAT_EQ(graph.Bands()[4].entry.gain, 6.0f);
  host.refreshing = false;
  host.lastEdit = {3, 7};  // the music key word
  graph.Timer1Timer();
  EXPECT_FLOAT_EQ(graph.Bands()[4].entry.gain, 6.0f);
  // While a point is held the timer does nothing.
  QTest::mousePress(Point(0), Qt::LeftButton, {}, kGrip);
  host.lastEdit = {32, 100};
  graph.Timer1Timer();
  EXPECT_FLOAT_EQ(graph.Bands()[4].entry.gain, 6.0f);
  QTest::mouseRelease(Point(0), Qt::LeftButton, {}, kGrip);
  // Its own timer runs the same tick.
  host.lastEdit = {32, 100};
  graph.StartTimer1();
  QTRY_COMPARE(graph.Bands()[4].entry.gain, -4.0f);
  graph.StopTimer1();
}

TEST_F(ResponseGraphTest, ResizeKeepsCurveLabelsAndPointsInPlace) {
  View(0, 22) = 150;  // band 3 +6 dB
  host.selectedBand = 2;
  for (QSize size : {QSize(1500, 400), QSize(900, 200), QSize(1188, 290)}) {
    pane.resize(size);
    const GraphGeometry g(size.width() - 46, size.height() - 34);
    ASSERT_EQ(graph.size(), QSize(g.Width(), g.Height()));
    EXPECT_EQ(graph.GridBitmap().size(), graph.size());
    EXPECT_EQ(graph.Image1()->geometry(), graph.rect());
    for (int p = 0; p < 10; ++p) {
      const PixelRect r = PointRect(graph.Bands()[p].entry, g);
      EXPECT_EQ(Point(p)->pos(), QPoint(r.left, r.top)) << size.width() << " EP" << p + 1;
    }
    const std::vector<AxisLabel> labels = AxisLabels(g);
    ASSERT_EQ(graph.AxisLabelWidgets().size(), labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
      QLabel* w = graph.AxisLabelWidgets()[i];
      EXPECT_EQ(w->objectName().toStdString(), labels[i].name);
      EXPECT_EQ(w->text().toStdString(), labels[i].text);
      EXPECT_EQ(w->geometry(), QRect(labels[i].left, labels[i].top, labels[i].width, labels[i].height));
    }
    const int band3 = GridIndexOf(SnapToGrid(graph.Bands()[2].entry.frequency));
    EXPECT_EQ(graph.CurvePoints()[band3].x, NearestInt(band3 * g.GridScale()));
    EXPECT_NEAR(graph.CurvePoints()[band3].y, g.DbToY(6.0), 1.0);
    EXPECT_EQ(graph.CurvePoints()[GridSteps].x, g.Width());
    // The selected band's value label comes back under its point.
    EXPECT_FALSE(graph.EqLabel()->isHidden());
    EXPECT_EQ(graph.EqLabel()->y(), Point(2)->y() + Point(2)->height());
    QLabel* pass = graph.EqPassLabel();
    EXPECT_EQ(pass->pos(), QPoint(g.Width() / 2 - pass->width() / 2, g.Height() / 2 - pass->height() / 2));
  }
}

TEST_F(ResponseGraphTest, AnyWordValueIsDrawnWithinTheTables) {
  for (int block : {0, 1, 2, 4, 5, 6, 24, 25})
    for (int w = 0; w < kBlockWords; ++w) View(block, w) = (w % 3 == 0) ? 0xFFFF : (w % 3 == 1 ? 40000 : -5);
  for (int block = -3; block <= 33; ++block) graph.RedrawCurve(kSelectAll, block);
  for (int page : {kMusicPage, kDeqPage, testing::kMicPage, kOutputPage}) {
    ShowPage(page);
    for (int e = 0; e <= PageBandsCode(page / 256) % 100 + PageBandsCode(page / 256) / 100; ++e) {
      const CurveEntry& entry = graph.Bands()[e].entry;
      EXPECT_GE(entry.frequency, 19.0f);
      EXPECT_LE(entry.frequency, 20600.0f);
      EXPECT_GE(entry.gain, -24.0f);
      EXPECT_LE(entry.gain, 12.0f);
    }
    for (int p = 0; p < kCurvePointCount; ++p) {
      if (Point(p)->isHidden()) continue;
      Drag(p, {30, 30}, 3);
      Drag(p, {5, 0}, 5, Qt::RightButton);
    }
  }
  // Editor state from anywhere: a page block or edit address outside the store.
  host.pageAddress = 0x7F00;
  graph.EP1MouseDown(0, Qt::LeftButton, kGrip);
  graph.EP1MouseMove(0, kGrip + QPoint(9, 9));
  graph.EP1MouseUp(0, Qt::LeftButton);
  graph.EP1MouseDown(kLowPassPoint, Qt::RightButton, kGrip);
  host.lastEdit = {-77, 3};
  graph.Timer1Timer();
  host.lastEdit = {0x7FFF, 3};
  graph.Timer1Timer();
  graph.RedrawCurve(101, 0);
  graph.FormResize();
}

TEST_F(ResponseGraphTest, Screenshots) {
  const QString dir = QStringLiteral(MORVELIN_BINARY_DIR "/screenshots");
  QDir().mkpath(dir);
  ASSERT_TRUE(pane.grab().save(dir + "/graph_music_default.png"));

  struct Band {
    int band, type, freq, gain, q, shelfQ;
  };
  const Band bands[] = {{0, 2, 30, 150, 16, 10},
                        {2, 1, 80, 160, 30, 10},
                        {4, 1, 150, 95, 16, 10},
                        {6, 1, 220, 140, 5, 10},
                        {8, 3, 300, 140, 16, 16}};
  for (const Band& b : bands) {
    const int w = BandWordIndex(10, b.band, 0);
    View(0, w) = b.type;
    View(0, w + 1) = b.freq;
    View(0, w + 2) = b.gain;
    View(0, w + 3) = b.q;
    View(0, w + 4) = b.shelfQ;
  }
  View(0, 4) = 8;  // 24 dB Butterworth high-pass
  View(0, 5) = 12;
  View(0, 6) = 3;  // 12 dB Butterworth low-pass
  View(0, 7) = 340;
  ShowPage(kMusicPage);
  graph.RedrawCurve(2, 0);
  ASSERT_TRUE(pane.grab().save(dir + "/graph_music_boosted.png"));
  graph.ShowEqPass(true);
  ShowPage(kDeqPage);
  ASSERT_TRUE(pane.grab().save(dir + "/graph_deq_pass.png"));
}

}  // namespace
}  // namespace morvelin
