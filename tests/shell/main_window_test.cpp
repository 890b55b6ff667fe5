// The main window: its frame and size, the start-up order, the volume keys, the window buttons,
// moving, and closing with and without a link.

#include <gtest/gtest.h>

#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"
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
  auto* edit = p.Main().Components().Get<Edit>("PresetModeEdit");
  p.Main().Tabs().ClickTab(9);
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
    edit->clear();
    edit->setFocus();
    QTest::keyClicks(edit, c.keys);
    EXPECT_EQ(bar->Position(), c.end);
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.keys));
  }
  // The change handler stores the volume and shows it in the pane.
  EXPECT_EQ(p.app.Store().ViewImage[29][2], 12);
  EXPECT_EQ(p.Main().Components().Find("SysEffNormalVolPane")->Caption(), "12");
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
  QTest::keyClick(slider, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(bar->Position(), before + 3);
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

TEST(MainWindow, DraggingTheTitleBarMovesTheWindowButAControlDoesNot) {
  Program p;
  p.Show();
  MainWindow& w = p.Main();
  QWidget* title = w.Components().Widget("Image2");
  const QPoint start = w.pos();
  QTest::mousePress(title, Qt::LeftButton, {}, QPoint(600, 10));
  QMouseEvent move(QEvent::MouseMove, QPointF(640, 30), title->mapToGlobal(QPointF(640, 30)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &move);
  QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(640, 30));
  const QPoint moved = w.pos();
  EXPECT_NE(moved, start);

  QWidget* group = w.Components().Widget("AdvGroupBox14");
  QTest::mousePress(group, Qt::LeftButton, {}, QPoint(5, 5));
  QMouseEvent move2(QEvent::MouseMove, QPointF(200, 200), group->mapToGlobal(QPointF(200, 200)), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &move2);
  QTest::mouseRelease(group, Qt::LeftButton, {}, QPoint(200, 200));
  EXPECT_EQ(w.pos(), moved);
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
  EXPECT_TRUE(QTest::qWaitFor([&] { return status.Model().PortName == "DEMO"; }, 3000));
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
  ASSERT_TRUE(QTest::qWaitFor([&] { return !p.messages.shown.empty(); }, 5000));
  EXPECT_EQ(p.messages.shown.front().text, QString::fromUtf8("连接失败!"));
  EXPECT_EQ(p.messages.shown.front().caption, QString::fromUtf8("提示"));
  EXPECT_EQ(p.Main().Components().Find("LinkLabel")->Caption(), QString::fromUtf8("设备未连接"));
}

}  // namespace
}  // namespace morvelin::test
