// The tab click: page shown, view block and output block, captions, right-panel groups, the
// right channel, the unlock prompt, and the strip scrolling by the pan bars.

#include "editor/widgets/tab_switch.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <vector>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/page_builder.h"

namespace morvelin {
namespace {

// Records what the page switch asks of the other features through the session. No feature
// carries the effect tool click out, so the switch does its own plain selection.
struct Requests {
  explicit Requests(EditorSession& session) {
    QObject::connect(&session, &EditorSession::RefreshRequested, &context,
                     [this](int block) { refreshed.push_back(block); });
    QObject::connect(&session, &EditorSession::CurvesRedrawRequested, &context,
                     [this](int block) { redrawn.push_back(block); });
    QObject::connect(&session, &EditorSession::CurveColourChanged, &context,
                     [this](const QColor& c) { colour = c; });
    QObject::connect(&session, &EditorSession::EffectToolRequested, &context,
                     [this](int tool, bool&) { toolClicks.push_back(tool); });
    QObject::connect(&session, &EditorSession::WheelTargetCleared, &context, [this] { ++wheelClears; });
    QObject::connect(&session, &EditorSession::GainBarHighlightReset, &context, [this] { ++gainBarResets; });
  }
  std::vector<int> refreshed, redrawn;
  std::vector<int> toolClicks;
  QColor colour;
  int wheelClears = 0, gainBarResets = 0;
  QObject context;
};

class Tabs : public ::testing::Test {
 protected:
  Tabs() : switcher(comps, session) {
    BuildPages(&client, comps);
    switcher.Connect();
  }
  QWidget* W(const char* name) { return comps.Widget(name); }
  int PageIndex() { return comps.Get<PageControl>("FormPageItem")->ActivePageIndex(); }
  QString Caption(const char* name) { return comps.Find(name)->Caption(); }
  QString Hint(const char* name) { return comps.Find(name)->Hint(); }

  QWidget client;
  FormComponents comps;
  EditorSession session;
  EditorState& state = session.State();
  EditSelection& sel = session.Selection();
  Requests asked{session};
  TabSwitch switcher;
};

struct TabCase {
  int tab;
  int page;
  int address;
  bool copyGroup, sceneGroup, rightChannel, panel;
};

TEST_F(Tabs, EachTabShowsItsPageAndGroups) {
  const TabCase cases[] = {
      {0, 0, 0x0000, false, false, false, true}, {1, 8, 0x0108, false, false, false, true},
      {2, 1, 0x0201, true, false, false, true},  {3, 4, 0x1904, false, false, false, true},
      {4, 2, 0x0402, false, false, false, true}, {5, 3, 0x0603, true, true, true, true},
      {6, 3, 0x0603, true, true, true, true},    {7, 3, 0x0603, false, true, false, true},
      {8, 3, 0x0603, false, true, false, true},  {9, 7, 0x1E07, false, false, false, false},
  };
  for (const TabCase& c : cases) {
    SCOPED_TRACE(c.tab);
    switcher.ClickTab(c.tab);
    EXPECT_EQ(PageIndex(), c.page);
    EXPECT_EQ(state.PageAddress, c.address);
    EXPECT_EQ(state.PageBlock, c.address >> 8);
    EXPECT_EQ(state.CurrentTab, c.tab);
    EXPECT_EQ(!W("CopyGrop")->isHidden(), c.copyGroup);
    EXPECT_EQ(!W("SingleDiscoGrop")->isHidden(), c.sceneGroup);
    EXPECT_EQ(!W("AdvPanel1")->isHidden(), c.panel);
    for (const char* right : {"MainRmuteBtn", "Label157", "MainRdelayBar", "MainRdelayPane"})
      EXPECT_EQ(!W(right)->isHidden(), c.rightChannel) << right;
    EXPECT_EQ(!W("MusEQAllpassBtn")->isHidden(), c.page != 8);
    // Only the clicked tab looks pressed.
    for (const tabs::TabRow& t : tabs::kTabs) {
      auto* b = comps.Get<BmpButton>(t.button);
      EXPECT_EQ(b->Down(), b->Tag() == c.tab) << t.button;
    }
  }
}

TEST_F(Tabs, PagesAreRefreshedExceptTheSystemPage) {
  switcher.ClickTab(2);
  ASSERT_EQ(asked.refreshed, std::vector<int>{2});
  EXPECT_EQ(asked.redrawn, std::vector<int>{2});
  asked.refreshed.clear();
  switcher.ClickTab(9);
  EXPECT_TRUE(asked.refreshed.empty());
  EXPECT_GE(asked.wheelClears, 2);
}

TEST_F(Tabs, TheEffectTabActsAsAClickOnTheLastEffectTool) {
  state.EffectTool = 2;
  switcher.ClickTab(4);
  EXPECT_EQ(asked.toolClicks, std::vector<int>{2});
  // Without an effect tool handler the switch selects the reverb sub-page itself.
  EXPECT_EQ(state.PageAddress, 0x0502);
  EXPECT_EQ(sel.CurEchoBlock, 5);
  EXPECT_EQ(comps.Get<PageControl>("EffPageControl")->ActivePageIndex(), 1);
  EXPECT_EQ(asked.refreshed, std::vector<int>{5});
}

struct OutputCase {
  int tab, scene, pairSel, outBlock;
};

TEST_F(Tabs, OutputTabsSelectTheirBlockByScene) {
  const OutputCase cases[] = {
      {5, 0, 0, 6},  {5, 1, 0, 7},  {5, 2, 2, 11}, {6, 0, 0, 12}, {6, 1, 2, 16},
      {7, 2, 0, 20}, {7, 0, 2, 18}, {8, 0, 0, 21}, {8, 2, 0, 23},
  };
  for (const OutputCase& c : cases) {
    sel.SceneIndex = c.scene;
    state.MainChannelSel = state.SurChannelSel = c.pairSel;
    switcher.ClickTab(c.tab);
    EXPECT_EQ(sel.CurOutBlock, c.outBlock) << c.tab << " scene " << c.scene;
  }
}

struct TabCaptionCase {
  int tab;
  const char* left;
  const char* right;
  const char* limit;
  const char* mute;
  const char* delay;
};

TEST_F(Tabs, CaptionsFollowTheTab) {
  const TabCaptionCase cases[] = {
      {0, "音乐左", "音乐右", nullptr, nullptr, nullptr},
      {2, "麦克A", "麦克B", nullptr, nullptr, nullptr},
      {5, "主左", "主右", "---------主输出压限-----------", "左静音", "左声道延时"},
      {6, "环左", "环右", "----------环绕压限------------", "左静音", "左声道延时"},
      {7, "环左", "环右", "----------中置压限------------", "中置静音", "中置延时"},
      {8, "环左", "环右", "----------超低压限------------", "超低静音", "超低延时"},
  };
  for (const TabCaptionCase& c : cases) {
    SCOPED_TRACE(c.tab);
    switcher.ClickTab(c.tab);
    EXPECT_EQ(Caption("LeftBtn"), QString::fromUtf8(c.left));
    EXPECT_EQ(Caption("RightBtn"), QString::fromUtf8(c.right));
    if (c.limit) {
      EXPECT_EQ(Caption("OutLimiteGroup"), QString::fromUtf8(c.limit));
      EXPECT_EQ(Caption("MainLmuteBtn"), QString::fromUtf8(c.mute));
      EXPECT_EQ(Caption("OutLDelayLabel"), QString::fromUtf8(c.delay));
    }
  }
  EXPECT_EQ(Hint("OutLHPGroup"), "-----------SUB LHF-----------");
}

TEST_F(Tabs, EnglishPutsTheEnglishTextInTheCaption) {
  state.UiLanguage = 0;
  switcher.ClickTab(6);
  EXPECT_EQ(Caption("LeftBtn"), "SUR L");
  EXPECT_EQ(Hint("LeftBtn"), QString::fromUtf8("环左"));
  EXPECT_EQ(Caption("OutLimiteGroup"), "--------Surround Limit--------");
}

TEST_F(Tabs, MicrophoneBOnTheRightSide) {
  state.MicChannelSel = 2;
  switcher.ClickTab(2);
  EXPECT_EQ(sel.CurMicBlock, 3);
  EXPECT_EQ(asked.colour, QColor(243, 152, 0));
  EXPECT_EQ(Caption("AdvGroupBox1"), QString::fromUtf8("麦克风B压限"));
  EXPECT_EQ(Caption("AdvGroupBox16"), QString::fromUtf8("麦克风B 噪声门"));
  state.MicChannelSel = 0;
  switcher.ClickTab(2);
  EXPECT_EQ(sel.CurMicBlock, 2);
  EXPECT_EQ(asked.colour, QColor(0, 255, 0));
  EXPECT_EQ(Hint("AdvGroupBox1"), "MiC A Limit");
}

TEST_F(Tabs, EffectEqButtonsNameTheSecondEffect) {
  state.EchoForm = 0;
  switcher.ClickTab(4);
  EXPECT_EQ(Caption("RvbEQBtn"), QString::fromUtf8("回声B EQ"));
  EXPECT_EQ(Caption("EchoAEQBtn"), QString::fromUtf8("回声A EQ"));
  state.EchoForm = 1;
  switcher.ClickTab(4);
  EXPECT_EQ(Caption("RvbEQBtn"), QString::fromUtf8("混响EQ"));
}

TEST_F(Tabs, MuteButtonsMoveWithThePair) {
  switcher.ClickTab(5);
  const int pairLeft = W("MainLmuteBtn")->x();
  EXPECT_LT(pairLeft, W("MainRmuteBtn")->x());
  switcher.ClickTab(7);
  EXPECT_GT(W("MainLmuteBtn")->x(), pairLeft);
}

TEST_F(Tabs, OutputAndSystemTabsLockThePairAndEqGroupsInAutoMode) {
  state.AutoManual = 0;
  switcher.ClickTab(5);
  EXPECT_FALSE(W("CopyGrop")->isEnabled());
  EXPECT_FALSE(W("EQPassGrop")->isEnabled());
  switcher.ClickTab(2);
  EXPECT_TRUE(W("CopyGrop")->isEnabled());
  state.AutoManual = 1;
  switcher.ClickTab(8);
  EXPECT_TRUE(W("EQPassGrop")->isEnabled());
}

TEST_F(Tabs, ClicksAreIgnoredWhileTheUnlockPromptShows) {
  switcher.ClickTab(2);
  asked.refreshed.clear();
  W("FirstCheckGrop")->show();
  emit comps.Get<BmpButton>("FormMAINTabBtn")->Clicked();
  EXPECT_EQ(PageIndex(), 1);
  EXPECT_EQ(state.CurrentTab, 2);
  EXPECT_TRUE(asked.refreshed.empty());
  W("FirstCheckGrop")->hide();
  emit comps.Get<BmpButton>("FormMAINTabBtn")->Clicked();
  EXPECT_EQ(PageIndex(), 3);
}

TEST_F(Tabs, PanBarsScrollTheirStripsByWholeStrips) {
  auto* bar = comps.Get<TrackBar>("MicPanScrollBar");
  auto* box = comps.Get<ScrollBox>("MicScrollBox");
  box->resize(650, 244);
  bar->SetPosition(3);
  EXPECT_EQ(box->ScrollX(), 195);
  bar->SetPosition(9);  // clamped to the bar's range
  EXPECT_EQ(bar->Position(), 5);
  EXPECT_EQ(box->ScrollX(), 325);
}

TEST_F(Tabs, EditingABandBringsItIntoView) {
  auto* bar = comps.Get<TrackBar>("MicPanScrollBar");
  switcher.ScrollBandIntoView(1, 12);  // band 13
  EXPECT_EQ(bar->Position(), 3);
  switcher.ScrollBandIntoView(1, 1);
  EXPECT_EQ(bar->Position(), 1);
  switcher.ScrollBandIntoView(1, 5);  // already in view
  EXPECT_EQ(bar->Position(), 1);
}

}  // namespace
}  // namespace morvelin
