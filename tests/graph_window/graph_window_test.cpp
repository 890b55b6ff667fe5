// The response graph in the whole main window, on the virtual unit after a full read: the
// points each page shows, drags that reach the unit, the Auto-mode lock, the re-layout on a
// resize and the curve following edits made elsewhere.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/tab_switch.h"
#include "graph_program.h"
#include "graphs/curve_points.h"
#include "graphs/widgets/graph_image.h"
#include "params/scales.h"
#include "params/value_tables.h"

namespace morvelin::test {
namespace {

constexpr int kMusicTab = 0, kDeqTab = 1, kMicTab = 2, kMainTab = 5;
constexpr int kFreqTopIndex = 361;  // 20600 Hz

QString Text(std::string_view t) {
  return QString::fromUtf8(t.data(), qsizetype(t.size()));
}
QString FreqText(int index) {
  return Text(FreqList[std::size_t(index)]);
}

// Word of band `band` (0-based) of a block's EQ.
int BandWord(int block, int band, int word) {
  return MakeAddress(block, BandWordIndex(EqBandStart(block), band, word));
}

class GraphWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    program_ = new GraphProgram;
    VirtualUnit& unit = program_->Unit();
    // A music band and the high-pass filter away from their defaults, so the curve shows what
    // the full read brought.
    unit.SetWord(BandWord(0, 2, 2), 150);  // band 3 at +6 dB
    unit.SetWord(0, 4, 1);                 // high-pass kind 1
    unit.SetWord(0, 5, 60);                // at its frequency index 60
    unit.SetWord(BandWord(1, 1, 2), 90);   // DEQ band 2 at -6 dB
    program_->Show();
    online_ = program_->WaitOnline();
  }
  static void TearDownTestSuite() {
    delete program_;
    program_ = nullptr;
  }

  void SetUp() override {
    ASSERT_TRUE(online_) << "the full read from the virtual unit did not complete";
    p().Main().resize(MainWindow::kDesignWidth, MainWindow::kDesignHeight);
    ShowTab(kMusicTab);
    p().Settle();
  }

  static GraphProgram& p() { return *program_; }
  static ResponseGraph& graph() { return p().Graph(); }
  static ParamStore& store() { return p().app.Store(); }

  static void ShowTab(int tab) {
    p().Main().Tabs().ClickTab(tab);
    QApplication::processEvents();
  }
  // One tick of the main window's 10 ms timer.
  static void Tick() { p().Main().Session().Tick(); }

  // The centre of a point in the image's coordinates.
  static QPointF Centre(int point) {
    const BandPoint* b = p().Point(point);
    return QPointF(b->x() + b->width() / 2, b->y() + b->height() / 2);
  }

  static GraphProgram* program_;
  static bool online_;
};

GraphProgram* GraphWindow::program_ = nullptr;
bool GraphWindow::online_ = false;

TEST_F(GraphWindow, PagesShowTheirPointsAndDrawTheSumOfTheirEntries) {
  struct Case {
    int tab;
    int block;
    int bands;
    bool filters;
  };
  const Case cases[] = {{kMusicTab, 0, 10, true}, {kDeqTab, 1, 3, false}, {kMicTab, 2, 15, true}};
  for (const Case& c : cases) {
    ShowTab(c.tab);
    for (int pt = 0; pt < 20; ++pt)
      EXPECT_EQ(!p().Point(pt)->isHidden(), pt < c.bands) << "tab " << c.tab << " EP" << pt + 1;
    EXPECT_EQ(!p().Point(kHighPassPoint)->isHidden(), c.filters) << c.tab;
    EXPECT_EQ(!p().Point(kLowPassPoint)->isHidden(), c.filters) << c.tab;

    // The curve is the sum of exactly the page's entries, read from the store.
    const std::vector<CurveEntry> entries = CurveEntries(store().ViewImage[c.block], c.block);
    const int count = c.bands + (c.filters ? 2 : 0);
    ASSERT_EQ(int(entries.size()), count) << c.tab;
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(graph().Bands()[i].entry.frequency, entries[i].frequency) << c.tab << " entry " << i;
      EXPECT_EQ(graph().Bands()[i].entry.gain, entries[i].gain) << c.tab << " entry " << i;
    }
    EXPECT_EQ(graph().CurvePoints(),
              CurvePoints(SumCurveBands(graph().Bands(), count - 1), graph().Geometry()))
        << c.tab;
    EXPECT_TRUE(graph().HasCurve());
  }
  // What the unit held reached the curve: music band 3 at +6 dB, the DEQ band 2 at -6 dB.
  ShowTab(kMusicTab);
  EXPECT_FLOAT_EQ(graph().Bands()[2].entry.gain, 6.0f);
  EXPECT_EQ(graph().Bands()[10].entry.frequency, std::stof(std::string(FreqList[60])));
  ShowTab(kDeqTab);
  EXPECT_FLOAT_EQ(graph().Bands()[1].entry.gain, -6.0f);
}

TEST_F(GraphWindow, CurveIsPaintedInThePageColour) {
  // The anti-aliased spline covers a pixel next to a curve point (away from the band points
  // and the label) nearly in full.
  auto paintedIn = [](QColor want) {
    const PixelPoint at = graph().CurvePoints()[GridSteps / 2 + 37];
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy) {
        const QColor c = graph().Picture().pixelColor(at.x + dx, at.y + dy);
        if (std::abs(c.red() - want.red()) < 24 && std::abs(c.green() - want.green()) < 24 &&
            std::abs(c.blue() - want.blue()) < 24)
          return true;
      }
    return false;
  };
  ShowTab(kMusicTab);
  EXPECT_TRUE(paintedIn(QColor(0, 255, 0)));
  ShowTab(kMicTab);
  p().Get<BmpButton>("RightBtn")->Clicked();  // Mic B
  QApplication::processEvents();
  EXPECT_EQ(graph().CurveColour(), QColor(243, 152, 0));
  EXPECT_TRUE(paintedIn(QColor(243, 152, 0)));
  EXPECT_FALSE(paintedIn(QColor(0, 255, 0)));
  p().Get<BmpButton>("LeftBtn")->Clicked();
  ShowTab(kMusicTab);
  EXPECT_EQ(graph().CurveColour(), QColor(0, 255, 0));
}

TEST_F(GraphWindow, BandPointDraggedPastTheCornersStopsAtTheLimits) {
  struct Case {
    int tab, block, band;
    QPoint delta;
    const char* freqEdit;
    const char* gainEdit;
    int freqIndex, gainWord;
    double db;
    const char* text;
  };
  const Case cases[] = {
      // Far right and above the graph: 20600 Hz, 12 dB.
      {kMusicTab, 0, 4, {3000, -1000}, "MusFreEdit5", "MusGainEdit5", kFreqTopIndex, 180, 12, "12.0"},
      // The dynamic EQ stops at -12 dB at the bottom.
      {kDeqTab, 1, 1, {3000, 1000}, "DEQFreEdit2", "DEQGainEdit2", kFreqTopIndex, 60, -12, "-12.0"},
  };
  for (const Case& c : cases) {
    ShowTab(c.tab);
    const int freq = BandWord(c.block, c.band, 1), gain = BandWord(c.block, c.band, 2);
    p().Unit().ClearReceived();
    p().Drag(c.band, c.delta);
    p().WaitForFrame(freq, c.freqIndex);
    p().WaitForFrame(gain, c.gainWord);
    EXPECT_EQ(p().FramesWriting(freq, c.freqIndex), 1) << c.freqEdit << ": one write per word step";
    EXPECT_EQ(p().FramesWriting(gain, c.gainWord), 1) << c.gainEdit;
    EXPECT_EQ(p().Unit().WordAt(store().DeviceAddressOf(freq)), c.freqIndex) << c.freqEdit;
    EXPECT_EQ(p().Unit().WordAt(store().DeviceAddressOf(gain)), c.gainWord) << c.gainEdit;
    EXPECT_EQ(p().Get<Edit>(c.freqEdit)->text(), FreqText(c.freqIndex));
    EXPECT_EQ(p().Get<Edit>(c.gainEdit)->text(), c.text);
    // The point stays where the limits put it.
    const GraphGeometry& g = graph().Geometry();
    EXPECT_NEAR(Centre(c.band).x(), g.FreqToX(20600), 1.0) << c.freqEdit;
    EXPECT_NEAR(Centre(c.band).y(), g.DbToY(c.db), 1.0) << c.gainEdit;
    // The release went through the click path: the band is the current one, its label shows.
    EXPECT_EQ(p().app.Features().binding.Flags().CurrentEdit, p().Get<Edit>(c.freqEdit));
    Tick();
    EXPECT_FALSE(graph().EqLabel()->isHidden()) << c.freqEdit;
    EXPECT_TRUE(graph().EqLabel()->text().contains("20600.00Hz")) << graph().EqLabel()->text().toStdString();
    p().Settle();
  }
}

TEST_F(GraphWindow, RightButtonGestureStepsTheBandQ) {
  const int q = BandWord(0, 2, 3);
  const int before = store().ViewImage[0][IndexOf(q)];
  BandPoint* point = p().Point(2);
  const QPoint grip(7, 7);
  QTest::mousePress(point, Qt::RightButton, {}, grip);
  // Ten motions of one pixel to the right: a step whenever the pointer is more than 2 pixels
  // past the last step.
  for (int k = 1; k <= 10; ++k) {
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(k, 0)),
                     point->mapToGlobal(QPointF(grip + QPoint(k, 0))), Qt::NoButton, Qt::RightButton,
                     Qt::NoModifier);
    QApplication::sendEvent(point, &move);
  }
  QTest::mouseRelease(point, Qt::RightButton, {}, grip + QPoint(10, 0));
  EXPECT_EQ(store().ViewImage[0][IndexOf(q)], before + 3);
  p().WaitForFrame(q, before + 3);
  EXPECT_EQ(p().Unit().WordAt(store().DeviceAddressOf(q)), before + 3);
  EXPECT_EQ(p().Get<Edit>("MusQEdit3")->text(), Text(morvelin::QList[std::size_t(before + 3)]));
  // The release over the graph returns to the band's frequency edit.
  EXPECT_EQ(p().app.Features().binding.Flags().CurrentEdit, p().Get<Edit>("MusFreEdit3"));
}

TEST_F(GraphWindow, HighPassPointMovesAlongTheZeroLineAndWritesOnlyItsFrequency) {
  const double zeroY = graph().Geometry().DbToY(0);
  const int before = store().ViewImage[0][5];
  p().Unit().ClearReceived();
  p().Drag(kHighPassPoint, QPoint(120, -80));
  p().Wait(100);
  EXPECT_NEAR(Centre(kHighPassPoint).y(), zeroY, 1.0);
  EXPECT_GT(store().ViewImage[0][5], before);
  const std::vector<int> written = p().WrittenAddresses();
  ASSERT_FALSE(written.empty());
  for (int a : written) EXPECT_EQ(a, store().DeviceAddressOf(MakeAddress(0, 5))) << std::hex << a;
  EXPECT_EQ(p().Get<Control>("MusHPFREPane")->Caption(), FreqText(store().ViewImage[0][5]) + "Hz");
}

TEST_F(GraphWindow, FilterTypeChangeRedrawsTheFilterWithItsLabel) {
  struct Case {
    const char* list;
    int entry;  // the music page's ten bands, then the high-pass and the low-pass filter
    int typeBase;
    const char* label;
  };
  const Case cases[] = {{"MusHPTypeBox", 10, 100, "HPF:"}, {"MusLPTypeBox", 11, 200, "LPF:"}};
  for (const Case& c : cases) {
    auto* list = p().Get<ComboBox>(c.list);
    ASSERT_NE(list, nullptr) << c.list;
    const int next = (list->currentIndex() + 2) % list->count();
    p().Unit().ClearReceived();
    list->setCurrentIndex(next);
    emit list->activated(next);  // as the user's choice
    p().WaitForFrame(list->Tag(), next);
    EXPECT_EQ(p().FramesWriting(list->Tag(), next), 1) << c.list;
    EXPECT_EQ(graph().Bands()[c.entry].entry.type, c.typeBase + next) << c.list;
    EXPECT_FALSE(graph().EqLabel()->isHidden()) << c.list;
    EXPECT_TRUE(graph().EqLabel()->text().startsWith(c.label)) << graph().EqLabel()->text().toStdString();
  }
}

TEST_F(GraphWindow, AutoModeLeavesOutputPointsAlone) {
  ShowTab(kMainTab);
  p().Get<BmpButton>("AutoModeBtn")->Clicked();
  QApplication::processEvents();
  ASSERT_EQ(p().Main().State().AutoManual, 0);
  const QPoint before = p().Point(1)->pos();
  Control* current = p().app.Features().binding.Flags().CurrentEdit;
  p().Unit().ClearReceived();
  p().Drag(1, QPoint(80, -40));
  p().Wait(100);
  EXPECT_EQ(p().Point(1)->pos(), before);
  EXPECT_TRUE(p().WrittenAddresses().empty());
  EXPECT_EQ(p().app.Features().binding.Flags().CurrentEdit, current) << "no band is selected";
  p().Get<BmpButton>("ManulModeBtn")->Clicked();
  QApplication::processEvents();
  EXPECT_EQ(p().Main().State().AutoManual, 1);
}

TEST_F(GraphWindow, ResizeKeepsCurveLabelsAndPointsInPlace) {
  p().Get<Edit>("MusFreEdit3")->Clicked();  // band 3 selected, its label shown
  Tick();
  ASSERT_FALSE(graph().EqLabel()->isHidden());
  const QSize sizes[] = {{1600, 900}, {1300, 700}, {MainWindow::kDesignWidth, MainWindow::kDesignHeight}};
  for (const QSize& s : sizes) {
    p().Main().resize(s);
    QApplication::processEvents();
    QWidget* panel = p().Main().Components().Widget("AdvPanel2");
    QWidget* pane = p().Main().Components().Widget("AdvParentPane");
    // The image fills the graph panel, which leaves the pane's edges to the labels.
    EXPECT_EQ(graph().Image1()->size(), panel->size()) << s.width();
    EXPECT_EQ(graph().Geometry().Width(), panel->width());
    EXPECT_EQ(graph().Geometry().Height(), panel->height());
    EXPECT_LE(panel->x() + panel->width(), pane->width());
    const std::vector<AxisLabel> want = AxisLabels(graph().Geometry(), panel->x(), panel->y());
    ASSERT_EQ(graph().AxisLabelWidgets().size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
      const QLabel* l = graph().AxisLabelWidgets()[i];
      EXPECT_EQ(l->geometry(), QRect(want[i].left, want[i].top, want[i].width, want[i].height))
          << want[i].name << " at " << s.width();
      EXPECT_TRUE(pane->rect().contains(l->geometry())) << want[i].name << " clipped at " << s.width();
    }
    // Points on their entries, the curve on the new grid, the selected band's label back.
    for (int i = 0; i < 12; ++i) {
      const CurveEntry& e = graph().Bands()[i].entry;
      const PixelRect r = PointRect(e, graph().Geometry(), p().Point(e.point)->height());
      EXPECT_EQ(p().Point(e.point)->pos(), QPoint(r.left, r.top)) << "entry " << i << " at " << s.width();
    }
    EXPECT_EQ(graph().CurvePoints(), CurvePoints(SumCurveBands(graph().Bands(), 11), graph().Geometry()));
    EXPECT_FALSE(graph().EqLabel()->isHidden()) << s.width();
    const QRect label = graph().EqLabel()->geometry();
    const PixelRect want3 =
        EqLabelRect(graph().Bands()[2].entry,
                    {p().Point(2)->x(), p().Point(2)->y(), p().Point(2)->width(), p().Point(2)->height()},
                    label.width(), label.height());
    EXPECT_EQ(label.topLeft(), QPoint(want3.left, want3.top)) << s.width();
  }
}

TEST_F(GraphWindow, AnEditElsewhereRedrawsTheCurveWithinOneTick) {
  auto* bar = p().Get<TrackBar>("MusEQGainBar7");
  ASSERT_NE(bar, nullptr);
  MainWindow& w = p().Main();
  // Idle, the 10 ms timer sleeps.
  w.Timer1Timer();
  ASSERT_FALSE(w.Timer1().isActive());
  bar->SetPosition(40);  // -16 dB, as the user's slider moves it
  // Before it waits for the next event, the event loop wakes the timer for the edit.
  w.WakeTimer1();
  EXPECT_TRUE(w.Timer1().isActive());
  EXPECT_EQ(w.Timer1().interval(), 10);
  w.Timer1Timer();
  EXPECT_FALSE(w.Timer1().isActive()) << "the edit is drawn: nothing left for the timer";
  EXPECT_FLOAT_EQ(graph().Bands()[6].entry.gain, 40 / 5.0f - 24);
  EXPECT_EQ(p().Point(6)->pos().y(),
            PointRect(graph().Bands()[6].entry, graph().Geometry(), p().Point(6)->height()).top);
  EXPECT_FALSE(graph().EqLabel()->isHidden());
  EXPECT_TRUE(graph().EqLabel()->text().startsWith("-16.0dB")) << graph().EqLabel()->text().toStdString();
  // Nothing new: the event loop leaves the timer asleep.
  w.WakeTimer1();
  EXPECT_FALSE(w.Timer1().isActive());
}

TEST_F(GraphWindow, TheEventLoopItselfWakesTheTimerForAnEdit) {
  auto* bar = p().Get<TrackBar>("MusEQGainBar8");
  ASSERT_NE(bar, nullptr);
  p().Main().Timer1Timer();
  bar->SetPosition(bar->Position() == 60 ? 65 : 60);
  const float want = bar->Position() / 5.0f - 24;
  // In real time: the loop's wake, then the 10 ms tick, then the timer asleep again.
  QEventLoop loop;
  QTimer poll, limit;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (graph().Bands()[7].entry.gain == want && !p().Main().Timer1().isActive()) loop.quit();
  });
  QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
  poll.start(5);
  limit.start(3000);
  loop.exec();
  EXPECT_FLOAT_EQ(graph().Bands()[7].entry.gain, want);
  EXPECT_FALSE(p().Main().Timer1().isActive());
}

TEST_F(GraphWindow, EqResetRedrawsFlatWithTheSelectedBandShown) {
  p().Get<Edit>("MusFreEdit4")->Clicked();
  Tick();
  ASSERT_EQ(p().app.Features().binding.Flags().SelectedBand[0], 3);
  p().Get<BmpButton>("EQResetBtn")->Clicked();
  QApplication::processEvents();
  for (int band = 0; band < 10; ++band) EXPECT_FLOAT_EQ(graph().Bands()[band].entry.gain, 0.0f) << band;
  EXPECT_FALSE(graph().EqLabel()->isHidden());
  EXPECT_TRUE(graph().EqLabel()->text().startsWith("0.0dB")) << graph().EqLabel()->text().toStdString();
  const PixelRect at = PointRect(graph().Bands()[3].entry, graph().Geometry(), p().Point(3)->height());
  EXPECT_EQ(graph().EqLabel()->y(), at.top + at.height) << "below the band 4 point";
}

TEST_F(GraphWindow, AllPassShowsEqPassAndRefusesTheDrag) {
  auto* pass = p().Get<BmpButton>("MusEQAllpassBtn");
  pass->Clicked();
  QApplication::processEvents();
  EXPECT_TRUE(graph().EqPassShown());
  const QPoint before = p().Point(3)->pos();
  p().Unit().ClearReceived();
  p().Drag(3, QPoint(60, 30));
  p().Wait(100);
  EXPECT_EQ(p().Point(3)->pos(), before);
  for (int a : p().WrittenAddresses()) EXPECT_NE(a >> 8, 0) << "no music word written";
  pass->Clicked();
  QApplication::processEvents();
  EXPECT_FALSE(graph().EqPassShown());
}

}  // namespace
}  // namespace morvelin::test
