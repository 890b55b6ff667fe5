// The main window: its frame and size, the start-up order, the volume keys, the window buttons,
// moving, and closing with and without a link.

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"
#include "graphs/widgets/graph_image.h"
#include "graphs/widgets/response_graph.h"
#include "link/frames.h"
#include "shell_fixture.h"

namespace morvelin::test {
namespace {

// Records the order of the events the window's creation and start-up announce.
struct StartupRecorder {
  explicit StartupRecorder(EditorSession& session) {
    QObject::connect(&session, &EditorSession::FormCreated, &context,
                     [this](FormComponents&) { steps.push_back("FormCreate"); });
    QObject::connect(&session, &EditorSession::StartupStepRun, &context, [this](StartupStep step) {
      static const char* const kNames[] = {"BuildRegistry", "EnsureFolders", "RefreshBackupList"};
      steps.push_back(kNames[static_cast<int>(step)]);
    });
    QObject::connect(&session, &EditorSession::RefreshRequested, &context,
                     [this](int block) { steps.push_back("RefreshPage " + std::to_string(block)); });
    QObject::connect(&session, &EditorSession::Ticked, &context, [this, &session] {
      if (!session.State().StartupDone) steps.push_back("timer before start-up done");
    });
  }
  std::vector<std::string> steps;
  QObject context;
};

TEST(MainWindow, FramelessGreyDesignSizeWithTitle) {
  Program p;
  MainWindow& w = p.Main();
  EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(w.size(), QSize(1198, 618));
  EXPECT_EQ(QApplication::applicationName(), "Morvelin");
  EXPECT_TRUE(w.BuildProblems().isEmpty()) << w.BuildProblems().join("; ").toStdString();
  p.Show();
  EXPECT_EQ(w.geometry().center(), w.screen()->availableGeometry().center());
}

TEST(MainWindow, StartUpRunsItsStepsInOrder) {
  EditorSession session;
  const ParamStore& store = session.Store();
  const EditorState& state = session.State();
  StartupRecorder recorder(session);
  MainWindow w(session);
  w.FormCreate();
  EXPECT_EQ(recorder.steps, std::vector<std::string>{"FormCreate"});
  EXPECT_FALSE(state.StartupDone);
  w.show();
  const std::vector<std::string> expected{"FormCreate",      "BuildRegistry", "BuildRegistry",
                                          "RefreshPage 100", "EnsureFolders", "RefreshBackupList",
                                          "RefreshPage 0"};
  EXPECT_EQ(recorder.steps, expected);
  EXPECT_TRUE(state.StartupDone);
  EXPECT_TRUE(w.Timer1().isActive());
  EXPECT_EQ(w.Timer1().interval(), 10);
  EXPECT_EQ(w.Components().Get<PageControl>("FormPageItem")->ActivePageIndex(), 0);
  // Default bands are in both images before anything shows.
  EXPECT_EQ(store.ViewImage[0][12], 120);
  QTest::qWait(30);
  EXPECT_EQ(std::count(recorder.steps.begin(), recorder.steps.end(), "timer before start-up done"), 0);
}

TEST(MainWindow, TheMusicPageIsNotShownWhileTheUnlockPromptIsUp) {
  EditorSession session;
  StartupRecorder recorder(session);
  MainWindow w(session);
  w.Components().Widget("FirstCheckGrop")->show();
  w.show();
  EXPECT_EQ(std::count(recorder.steps.begin(), recorder.steps.end(), "RefreshPage 0"), 0);
}

TEST(MainWindow, StartUpStartsTheFirstSearch) {
  Program p;
  p.Show();
  EXPECT_TRUE(p.Link().Timer1().Running());
  EXPECT_EQ(p.Link().PortList(), std::vector<std::string>{"DEMO"});
  EXPECT_EQ(p.Main().Components().Find("LinkLabel")->Caption(), QString::fromUtf8("设备搜索..."));
  EXPECT_TRUE(p.app.Form2().isVisible());
  EXPECT_EQ(p.app.Form2().windowTitle(), QString::fromUtf8("设备状态"));
  EXPECT_TRUE(p.app.Form2().windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(p.app.Form3().isHidden());
}

TEST(MainWindow, PortOptionsMakeTheSearchList) {
  StartupOptions options;
  options.ports.names = {"ttyNONE1", "ttyNONE2"};
  Program p(options);
  p.Show();
  EXPECT_EQ(p.Link().PortList(), (std::vector<std::string>{"ttyNONE1", "ttyNONE2"}));
}

TEST(MainWindow, TheBuiltInUnitIsOneNameAmongTheMachinesPorts) {
  // The missing port is tried (and fails) as a serial port; the search goes on to the built-in unit.
  StartupOptions options;
  options.ports.names = {"/dev/ttyMORVELIN_NONE", kDemoPortName};
  Program p(options);
  p.Show();
  ASSERT_TRUE(p.WaitOnline(15000));
  EXPECT_EQ(p.Link().PortList(), (std::vector<std::string>{"/dev/ttyMORVELIN_NONE", "DEMO"}));
  EXPECT_EQ(p.Link().ComPort().PortName(), "DEMO");
  ASSERT_NE(p.app.Form3().DemoUnit(), nullptr);
  EXPECT_FALSE(p.app.Form3().DemoUnit()->ReceivedFrames().empty());
  EXPECT_TRUE(p.messages.shown.empty());
}

TEST(MainWindow, TheSessionAnnouncesTheLinkStatesAndTheUsersLastEdit) {
  Program p;
  EditorSession& session = p.app.Session();
  std::vector<LinkEventKind> states;
  std::vector<std::pair<int, int>> edits;
  QObject context;
  QObject::connect(&session, &EditorSession::LinkStateChanged, &context,
                   [&](LinkEventKind kind) { states.push_back(kind); });
  QObject::connect(&session, &EditorSession::LastEditChanged, &context,
                   [&](int address, int value) { edits.emplace_back(address, value); });
  p.Show();
  ASSERT_TRUE(p.WaitOnline());
  EXPECT_EQ(states, (std::vector<LinkEventKind>{LinkEventKind::StartLinking, LinkEventKind::Online}));
  EXPECT_TRUE(edits.empty()) << "the refreshes after the full read are no edits";

  // The gain slider of music band 3 edits word 22 of block 0.
  auto* bar = p.Main().Components().Get<TrackBar>("MusEQGainBar3");
  bar->SetPosition(bar->Position() == 100 ? 101 : 100);
  const std::pair<int, int> expected{MakeAddress(0, 22), bar->Position()};
  session.Tick();
  session.Tick();
  EXPECT_EQ(edits, (std::vector<std::pair<int, int>>{expected}));
}

struct KeyCase {
  const char* keys;
  const char* slider;
  int start, end;
};

// No volume may pass its maximum, which is 0 before anything was read from a unit.
void OpenVolumeMaxima(Program& p) {
  for (const char* max : {"SysMusMaxVolBar", "SysMicMaxVolBar", "SysEffMaxVolBar"})
    p.Main().Components().Get<TrackBar>(max)->SetPosition(84);
}

// A normal volume rises one step per change.
void MoveTo(TrackBar& bar, int position) {
  while (bar.Position() < position) bar.SetPosition(bar.Position() + 1);
  bar.SetPosition(position);
}

TEST(MainWindow, VolumeKeysStepTheMasterVolumesAndReachTheFocusedControl) {
  Program p;
  p.Show();
  // A value edit discards letters, so the keys only step the volumes there.
  auto* edit = p.Main().Components().Get<Edit>("MusGain1Edit");
  p.Main().Tabs().ClickTab(0);
  OpenVolumeMaxima(p);
  const KeyCase cases[] = {
      {"qqq", "SysMusNormalVolBar", 10, 13}, {"aaaa", "SysMusNormalVolBar", 2, 0},
      {"QQ", "SysMusNormalVolBar", 83, 84},  {"wsw", "SysMicNormalVolBar", 10, 11},
      {"ddd", "SysEffNormalVolBar", 10, 7},  {"eE", "SysEffNormalVolBar", 10, 12},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.keys);
    auto* bar = p.Main().Components().Get<TrackBar>(c.slider);
    MoveTo(*bar, c.start);
    edit->setFocus();
    const QString shown = edit->text();
    QTest::keyClicks(edit, c.keys);
    EXPECT_EQ(bar->Position(), c.end);
    EXPECT_EQ(edit->text(), shown);
  }
  // The change handler stores the volume and shows it in the pane.
  EXPECT_EQ(p.app.Store().ViewImage[29][2], 12);
  EXPECT_EQ(p.Main().Components().Find("SysEffNormalVolPane")->Caption(), "12");
}

TEST(MainWindow, TypingANameOrAPasswordLeavesTheVolumes) {
  Program p;
  p.Show();
  p.Main().Tabs().ClickTab(9);
  OpenVolumeMaxima(p);
  FormComponents& c = p.Main().Components();
  std::vector<TrackBar*> bars;
  for (const char* name : {"SysMusNormalVolBar", "SysMicNormalVolBar", "SysEffNormalVolBar"}) {
    bars.push_back(c.Get<TrackBar>(name));
    MoveTo(*bars.back(), 40);
  }
  // A password field takes digits only: the letters reach neither the field nor the volumes.
  const struct {
    const char* field;
    const char* typed;
  } fields[] = {{"FileEdit", "first qawsed"}, {"PresetModeEdit", "first qawsed"}, {"SysPassEdit", ""}};
  for (const auto& f : fields) {
    SCOPED_TRACE(f.field);
    auto* edit = c.Get<Edit>(f.field);
    ASSERT_NE(edit, nullptr);
    edit->clear();
    edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, "first qawsed");
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);  // selects all
    EXPECT_EQ(edit->selectedText(), edit->text());
    EXPECT_EQ(edit->text(), f.typed);
    for (TrackBar* bar : bars) EXPECT_EQ(bar->Position(), 40) << bar->objectName().toStdString();
  }
}

TEST(MainWindow, VolumeKeysCountOnceWhenTheFocusedControlIgnoresThem) {
  Program p;
  p.Show();
  auto* bar = p.Main().Components().Get<TrackBar>("SysMusNormalVolBar");
  auto* slider = p.Main().Components().Get<TrackBar>("MicRmsLevelBar");
  OpenVolumeMaxima(p);
  // The start-up refresh shows the stored volume, whatever the form's default was.
  const int before = bar->Position();
  QTest::keyClick(slider, Qt::Key_Q);
  QTest::keyClick(slider, Qt::Key_Q, Qt::ShiftModifier);
  // With Ctrl or Alt the letter is another command, never a volume step.
  QTest::keyClick(slider, Qt::Key_Q, Qt::ControlModifier);
  QTest::keyClick(slider, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(slider, Qt::Key_Q, Qt::AltModifier);
  EXPECT_EQ(bar->Position(), before + 2);
}

TEST(MainWindow, MaximiseUsesTheAvailableAreaAndRestoreReturns) {
  Program p;
  p.Show();
  MainWindow& w = p.Main();
  const QRect before = w.geometry();
  w.RzBmpButton1Click();
  QTest::qWait(20);
  EXPECT_EQ(w.geometry(), w.screen()->availableGeometry());
  // Every page still lies inside the window.
  EXPECT_LE(w.Components().Widget("FormPageItem")->geometry().bottom(), w.height() - 1);
  w.RzBmpButton1Click();
  QTest::qWait(20);
  EXPECT_EQ(w.geometry(), before);
}

// Presses `over` at `at` and drags by (40, 20); true when the window moved with the pointer.
bool DragMovesTheWindow(MainWindow& w, QWidget* over, QPoint at) {
  const QPoint start = w.pos();
  QTest::mousePress(over, Qt::LeftButton, {}, at);
  const QPointF to = QPointF(at) + QPointF(40, 20);
  QMouseEvent move(QEvent::MouseMove, w.mapFromGlobal(over->mapToGlobal(to)), over->mapToGlobal(to),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &move);
  QTest::mouseRelease(over, Qt::LeftButton, {}, to.toPoint());
  return w.pos() != start;
}

TEST(MainWindow, AnyEmptySpotMovesTheWindowButAControlDoesNot) {
  Program p;
  p.Show();
  MainWindow& w = p.Main();
  FormComponents& c = w.Components();
  w.Tabs().ClickTab(0);
  struct Spot {
    const char* widget;
    QPoint at;
    bool moves;
  };
  const Spot spots[] = {
      {"Image2", {600, 10}, true},         // the title strip
      {"topGrop", {1, 18}, true},          // a gap of the top bar
      {"AdvTabSheet1_mus", {3, 3}, true},  // the page background
      {"AdvGroupBox14", {5, 5}, true},     // a group box
      {"EQPassGrop", {1, 12}, true},       // the groups above the graph
      {"AdvPanel1", {2, 2}, true},         // the frame around the graph
      {"MusHPFREBar", {10, 5}, false},     // a slider
      {"MusFreEdit2", {5, 5}, false},      // an edit
      {"EQResetBtn", {5, 5}, false},       // a button
      {"AdvPanel2", {5, 5}, false},        // the graph (its image fills the panel)
  };
  for (const Spot& s : spots) {
    SCOPED_TRACE(s.widget);
    QWidget* over = c.Widget(s.widget);
    ASSERT_NE(over, nullptr);
    QPoint at = s.at;
    if (QWidget* inside = over->childAt(at)) {
      at = inside->mapFrom(over, at);
      over = inside;
    }
    SCOPED_TRACE(over->objectName().toStdString());
    ASSERT_TRUE(over->isVisible());
    EXPECT_EQ(DragMovesTheWindow(w, over, at), s.moves);
  }
}

TEST(MainWindow, TheGroupsAboveTheGraphCloseUpWithoutHoles) {
  Program p;
  p.Show();
  MainWindow& w = p.Main();
  for (int tab = 0; tab <= 8; ++tab) {
    SCOPED_TRACE(tab);
    w.Tabs().ClickTab(tab);
    const QWidget* pane = w.Components().Widget("AdvParentPane");
    ASSERT_NE(pane, nullptr);
    int right = pane->geometry().right() + 1;
    int shown = 0;
    for (const char* name : {"RzGroupBox19", "CopyGrop", "EQPassGrop", "SingleDiscoGrop"}) {
      QWidget* g = w.Components().Widget(name);
      ASSERT_NE(g, nullptr);
      if (g->isHidden()) continue;
      ++shown;
      EXPECT_EQ(g->geometry().right() + 1, right) << name;
      EXPECT_GE(g->y(), 0) << name;
      EXPECT_LE(g->geometry().bottom(), pane->y() - 1) << name;
      right = g->x() - 4;
    }
    EXPECT_GT(shown, 0);
    EXPECT_GE(right, 0);
  }
}

// Visible registered controls under `parent`: each inside its parent, none over a sibling.
// Unnamed helpers (a strip box's sliding contents) are looked through.
// The graph's labels lie on its image by design: `stop` is checked but not looked into.
void ExpectTidy(const FormComponents& c, const QWidget* parent, const QRect& room,
                std::vector<std::string>& faults, const QWidget* stop = nullptr) {
  std::vector<const QWidget*> kids;
  for (const QWidget* k : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (k->isHidden() || k->isWindow()) continue;
    if (!c.Find(k->objectName())) {
      ExpectTidy(c, k, k->rect(), faults, stop);
      continue;
    }
    const std::string name = k->objectName().toStdString();
    if (!room.contains(k->geometry()))
      faults.push_back(name + " clipped by " + parent->objectName().toStdString());
    // A later sibling that covers an earlier one whole stands in for it (the echo B group over
    // the reverb groups); a partial cover hides a part of a control.
    for (const QWidget* o : kids)
      if (o->geometry().intersects(k->geometry()) && !k->geometry().contains(o->geometry()))
        faults.push_back(name + " over " + o->objectName().toStdString());
    kids.push_back(k);
    if (k != stop) ExpectTidy(c, k, k->rect(), faults, stop);
  }
}

TEST(MainWindow, AtTheDesignSizeTheGraphSitsBelowTidyPages) {
  Program p;
  p.Show();
  MainWindow& w = p.Main();
  ASSERT_EQ(w.size(), QSize(MainWindow::kDesignWidth, MainWindow::kDesignHeight));
  FormComponents& c = w.Components();
  auto* pages = c.Get<PageControl>("FormPageItem");
  ASSERT_NE(pages, nullptr);
  struct View {
    int tab;
    const char* button;  // pressed after the tab, or null
  };
  // Every tab, and the effect page's three views.
  const View views[] = {{0, nullptr},           {1, nullptr},           {2, nullptr},         {3, nullptr},
                        {4, "EchoAToolButton"}, {4, "EchoBToolButton"}, {4, "RvbToolButton"}, {5, nullptr},
                        {6, nullptr},           {7, nullptr},           {8, nullptr},         {9, nullptr}};
  for (const View& v : views) {
    SCOPED_TRACE(v.tab);
    w.Tabs().ClickTab(v.tab);
    if (v.button) emit c.Get<BmpButton>(v.button)->Clicked();
    QWidget* sheet = pages->currentWidget();
    ASSERT_NE(sheet, nullptr);
    SCOPED_TRACE(sheet->objectName().toStdString() + (v.button ? std::string(" ") + v.button : ""));
    std::vector<std::string> faults;
    ExpectTidy(c, sheet, sheet->rect(), faults);
    for (const std::string& f : faults) ADD_FAILURE() << f;
    if (v.tab == 9) continue;  // the system page has the whole height
    auto* graph = w.findChild<ResponseGraph*>();
    ASSERT_NE(graph, nullptr);
    const QWidget* image = graph->Image1();
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->isVisible());
    EXPECT_EQ(image->size(), QSize(1142, 256));
    const QRect onWindow(image->mapTo(&w, QPoint(0, 0)), image->size());
    EXPECT_GE(onWindow.top(), pages->geometry().bottom() + 1);
    EXPECT_LE(onWindow.bottom(), w.height() - 1);
    QWidget* panel = c.Widget("AdvPanel1");
    std::vector<std::string> panelFaults;
    ExpectTidy(c, panel, panel->rect(), panelFaults, c.Widget("AdvParentPane"));
    for (const std::string& f : panelFaults) ADD_FAILURE() << f;
  }
}

TEST(MainWindow, MinimiseAfterTheClick) {
  Program p;
  p.Show();
  p.Main().RzBmpButton2Click();
  EXPECT_FALSE(p.Main().isMinimized());
  EXPECT_TRUE(QTest::qWaitFor([&] { return p.Main().isMinimized(); }, 1000));
}

bool SentLinkRelease(VirtualUnit& unit) {
  const Bytes release = LinkCodeFrame(LinkRelease);
  for (const Bytes& f : unit.ReceivedFrames())
    if (f == release) return true;
  return false;
}

TEST(MainWindow, ClosingWhileOnlineReleasesTheLink) {
  Program p;
  p.Show();
  ASSERT_TRUE(p.WaitOnline());
  VirtualUnit& unit = *p.app.Form3().DemoUnit();
  unit.ClearReceived();
  QSignalSpy closed(&p.Main(), &MainWindow::Closed);
  emit p.Main().Components().Get<BmpButton>("RzBmpButton3")->Clicked();
  EXPECT_EQ(closed.count(), 1);
  EXPECT_FALSE(p.Main().isVisible());
  EXPECT_TRUE(SentLinkRelease(unit));
}

TEST(MainWindow, ClosingWhileOfflineSendsNothing) {
  Program p;
  p.Show();
  // Take the link down first (no unit answers while searching the second time round).
  p.Link().LinkBtnClick(LinkController::Button::UnLinkBtn);
  VirtualUnit& unit = *p.app.Form3().DemoUnit();
  unit.ClearReceived();
  p.Main().close();
  EXPECT_TRUE(unit.ReceivedFrames().empty());
}

TEST(MainWindow, TheLinkButtonTogglesTheLink) {
  Program p;
  p.Show();
  ASSERT_TRUE(p.WaitOnline());
  auto* link = p.Main().Components().Get<BmpButton>("LinkBtn");
  EXPECT_TRUE(link->Down());
  EXPECT_EQ(link->Caption(), QString::fromUtf8("断开"));
  emit link->Clicked();
  EXPECT_FALSE(p.Link().LinkOnline());
  EXPECT_FALSE(link->Down());
  EXPECT_EQ(link->Caption(), QString::fromUtf8("联机"));
  EXPECT_TRUE(p.messages.shown.empty());
}

TEST(MainWindow, StatusWindowFollowsTheLinkAndHidesWhenOnline) {
  Program p;
  p.Show();
  StatusWindow& status = p.app.Form2();
  EXPECT_TRUE(p.clock.RunUntil([&] { return status.Model().PortName == "DEMO"; }, 3000));
  EXPECT_EQ(status.Components().Find("ComLabel")->Caption(), "DEMO");
  ASSERT_TRUE(p.WaitOnline());
  EXPECT_FALSE(status.isVisible());
  EXPECT_EQ(status.Components().Find("LinkLabel")->Caption(), QString::fromUtf8("设备已连接"));
  EXPECT_EQ(status.Model().Percent, 100);
  // Closing it only hides it.
  status.show();
  status.close();
  EXPECT_TRUE(status.isHidden());
}

TEST(MainWindow, NoUnitOnThePortsReportsTheFailure) {
  StartupOptions options;
  options.ports.names = {"ttyMORVELIN_NONE"};
  Program p(options);
  p.Show();
  ASSERT_TRUE(p.clock.RunUntil([&] { return !p.messages.shown.empty(); }, 5000));
  EXPECT_EQ(p.messages.shown.front().text, QString::fromUtf8("连接失败!"));
  EXPECT_EQ(p.messages.shown.front().caption, QString::fromUtf8("提示"));
  EXPECT_EQ(p.Main().Components().Find("LinkLabel")->Caption(), QString::fromUtf8("设备未连接"));
}

}  // namespace
}  // namespace morvelin::test
