// The pages hold every control of the catalogue and the binding table under its name, with its
// range, default, caption pair, word and display kind.

#include <gtest/gtest.h>

#include <QWidget>
#include <memory>

#include "editor/widgets/control_handles.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/spin_buttons.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/form_components.h"
#include "editor/widgets/page_builder.h"
#include "support/address.h"

namespace morvelin {
namespace {

class Pages : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    client_ = new QWidget;
    comps_ = new FormComponents;
    problems_ = new QStringList(BuildPages(client_, *comps_));
  }
  static void TearDownTestSuite() {
    delete problems_;
    delete comps_;
    delete client_;
  }
  static QWidget* client_;
  static FormComponents* comps_;
  static QStringList* problems_;
};
QWidget* Pages::client_ = nullptr;
FormComponents* Pages::comps_ = nullptr;
QStringList* Pages::problems_ = nullptr;

using test::A;

TEST_F(Pages, BuildWithoutProblems) {
  EXPECT_TRUE(problems_->isEmpty()) << problems_->join("; ").toStdString();
  EXPECT_GT(comps_->Count(), 900);
}

TEST_F(Pages, EveryHandleNamesAControlOfItsClass) {
  const QStringList problems = HandleProblems(*comps_);
  EXPECT_TRUE(problems.isEmpty()) << problems.join("; ").toStdString();
  EXPECT_EQ(comps_->Get(handle::LinkBtn), comps_->Find("LinkBtn"));
  EXPECT_EQ(comps_->Widget(handle::topGrop)->objectName(), "topGrop");
}

TEST(ControlHandles, MissingOrMistypedControlsAreReported) {
  FormComponents none;
  const QStringList missing = HandleProblems(none);
  EXPECT_GT(missing.size(), 40);
  EXPECT_TRUE(missing.contains("no control LinkBtn"));
  EXPECT_EQ(none.Get(handle::LinkBtn), nullptr);

  // A control of another class under a handle's name is refused, not cast to null quietly.
  QWidget client;
  FormComponents wrong;
  auto* label = new Label(&client);
  label->setObjectName("LinkBtn");
  ASSERT_TRUE(wrong.Add(label));
  EXPECT_TRUE(HandleProblems(wrong).contains("LinkBtn is not a BmpButton"));
}

struct SliderCase {
  const char* name;
  int min, max, def, tag;
  const char* pane;  // readout pane, "" none
  int kind;          // the pane's display kind
};

// Ranges and form defaults from the catalogue, words and panes from the binding table.
const SliderCase kSliders[] = {
    {"MusPitchBar", 0, 14, 12, A(0, 3), "MusPitchPane", 21},
    {"MusHPFREBar", 0, 361, 100, A(0, 5), "MusHPFREPane", 6},
    {"MusLPFREBar", 0, 361, 100, A(0, 7), "MusLPFREPane", 6},
    {"MicInputGainBar", 0, 40, 40, A(2, 0), "MicInputGainPane", 22},
    {"MicFBEBar", 0, 4, 3, A(2, 1), "MicFBEPane", 23},
    {"MicNoiseLevelBar", 0, 60, 1, A(2, 2), "MicNoiseLevelPane", 24},
    {"MicNoiseAttackBar", 0, 19, 1, A(2, 3), "MicNoiseAttackPane", 17},
    {"MicNoiseReleaseBar", 0, 7, 1, A(2, 4), "MicNoiseReleasePane", 16},
    {"MicRmsLevelBar", 0, 34, 20, A(2, 5), "MicRmsLevelPane", 25},
    {"MicRmsAttackBar", 0, 19, 19, A(2, 6), "MicRmsAttackPane", 17},
    {"MicRmsReleaseBar", 0, 7, 1, A(2, 7), "MicRmsReleasePane", 16},
    {"MicRmsRatioBar", 0, 40, 1, A(2, 8), "MicRmsRatioPane", 15},
    {"MicHPFreBar", 0, 361, 361, A(2, 10), "MicHPFrePane", 6},
    {"MicLPFreBar", 0, 361, 1, A(2, 12), "MicLPFrePane", 6},
    {"EchoEffLevelBar", 0, 100, 1, A(4, 0), "EchoEffLevelPane", 8},
    {"EchoDirectLevelBar", 0, 100, 1, A(4, 2), "EchoDirectLevelPane", 8},
    {"EchoPreDelayBar", 0, 250, 1, A(4, 4), "EchoPreDelayPane", 26},
    {"EchoTimeBar", 0, 250, 1, A(4, 5), "EchoTimePane", 11},
    {"EchoRepeatBar", 0, 90, 1, A(4, 6), "EchoRepeatPane", 8},
    {"EchoRPreDelayBar", 0, 50, 1, A(4, 7), "EchoRPreDelayPane", 8},
    {"EchoRTimeBar", 0, 100, 1, A(4, 8), "EchoRTimePane", 10},
    {"EchoHPFreBar", 0, 361, 0, A(4, 10), "EchoHPFrePane", 6},
    {"EchoLPFreBar", 0, 361, 0, A(4, 12), "EchoLPFrePane", 6},
    {"EchoBEffLevelBar", 0, 100, 1, A(24, 0), "EchoBEffLevelPane", 8},
    {"EchoBDirectLevelBar", 0, 100, 1, A(24, 2), "EchoBDirectLevelPane", 8},
    {"EchoBPreDelayBar", 0, 250, 1, A(24, 4), "EchoBPreDelayPane", 26},
    {"EchoBTimeBar", 0, 250, 1, A(24, 5), "EchoBTimePane", 11},
    {"EchoBRepeatBar", 0, 90, 1, A(24, 6), "EchoBRepeatPane", 8},
    {"EchoBRPreDelayBar", 0, 50, 1, A(24, 7), "EchoBRPreDelayPane", 8},
    {"EchoBRTimeBar", 0, 100, 1, A(24, 8), "EchoBRTimePane", 10},
    {"EchoBHPFreBar", 0, 361, 0, A(24, 10), "EchoBHPFrePane", 6},
    {"EchoBLPFreBar", 0, 361, 0, A(24, 12), "EchoBLPFrePane", 6},
    {"RvbEffLevelBar", 0, 100, 0, A(5, 0), "RvbEffLevelPane", 8},
    {"RvbDirectLevelBar", 0, 100, 0, A(5, 2), "RvbDirectLevelPane", 8},
    {"RvbPreDelayBar", 0, 100, 0, A(5, 4), "RvbPreDelayPane", 11},
    {"RvbTimeBar", 0, 80, 0, A(5, 5), "RvbTimePane", 12},
    {"RvbHPFreBar", 0, 361, 0, A(5, 7), "RvbHPFrePane", 6},
    {"RvbLPFreBar", 0, 361, 0, A(5, 9), "RvbLPFrePane", 6},
    {"MainMusLevelBar", 0, 200, 2, A(6, 0), "MainMusLevelPane", 9},
    {"MainMicLevelBar", 0, 200, 2, A(6, 2), "MainMicLevelPane", 9},
    {"MainEchoALevelBar", 0, 200, 2, A(6, 4), "MainEchoALevelPane", 9},
    {"MainEchoBLevelBar", 0, 200, 2, A(6, 6), "MainEchoBLevelPane", 9},
    {"MainRvbLevelBar", 0, 200, 2, A(6, 8), "MainRvbLevelPane", 9},
    {"MainLdelayBar", 0, 500, 1, A(6, 10), "MainLdelayPane", 18},
    {"MainRdelayBar", 0, 500, 100, A(9, 10), "MainRdelayPane", 18},
    {"MainRmsLevelBar", 0, 34, 0, A(6, 12), "MainRmsLevelPane", 14},
    {"MainRmsAttackBar", 0, 19, 0, A(6, 13), "MainRmsAttackPane", 17},
    {"MainRmsReleaseBar", 0, 7, 0, A(6, 14), "MainRmsReleasePane", 16},
    {"MainRmsRatioBar", 0, 40, 0, A(6, 15), "MainRmsRatioPane", 15},
    {"MainMusHPFreBar", 0, 361, 0, A(6, 17), "MainMusHPFrePane", 6},
    {"MainMusLPFreBar", 0, 361, 0, A(6, 19), "MainMusLPFrePane", 6},
    {"DEQRmsLevelBar1", 0, 60, 1, A(1, 7), "DEQRmsLevelPane1", 20},
    {"DEQRmsAttackBar2", 0, 19, 1, A(1, 18), "DEQRmsAttackPane2", 17},
    {"DEQRmsReleaseBar3", 0, 7, 1, A(1, 29), "DEQRmsReleasePane3", 16},
    {"DEQRmsRatioBar3", 0, 40, 1, A(1, 30), "DEQRmsRatioPane3", 15},
    {"SysMicNormalVolBar", 0, 84, 10, A(29, 0), "SysMicNormalVolPane", 0},
    {"SysMusNormalVolBar", 0, 84, 10, A(29, 1), "SysMusNormalVolPane", 0},
    {"SysEffNormalVolBar", 0, 84, 10, A(29, 2), "SysEffNormalVolPane", 0},
    {"SysMicStartVolBar", 0, 84, 50, A(29, 3), "SysMicStartVolPane", 0},
    {"SysMicMaxVolBar", 0, 84, 50, A(29, 4), "SysMicMaxVolPane", 0},
    {"SysMusStartVolBar", 0, 84, 50, A(29, 5), "SysMusStartVolPane", 0},
    {"SysMusMaxVolBar", 0, 84, 50, A(29, 6), "SysMusMaxVolPane", 0},
    {"SysEffStartVolBar", 0, 84, 50, A(29, 7), "SysEffStartVolPane", 0},
    {"SysEffMaxVolBar", 0, 84, 50, A(29, 8), "SysEffMaxVolPane", 0},
    {"MicPanScrollBar", 0, 5, 0, 0, "", 0},
};

TEST_F(Pages, SlidersHaveTheirRangeDefaultWordAndPane) {
  for (const SliderCase& c : kSliders) {
    SCOPED_TRACE(c.name);
    auto* bar = comps_->Get<TrackBar>(c.name);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Min(), c.min);
    EXPECT_EQ(bar->Max(), c.max);
    EXPECT_EQ(bar->Position(), c.def);
    EXPECT_EQ(bar->Tag(), c.tag);
    if (!c.pane[0]) continue;
    auto* pane = comps_->Get<StatusPane>(c.pane);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->Tag(), c.tag);
    EXPECT_EQ(pane->Hint(), QString::number(c.kind));
  }
}

TEST_F(Pages, SystemVolumeSlidersCarryTheirTrioRole) {
  const std::pair<const char*, const char*> roles[] = {
      {"SysMusNormalVolBar", "0"}, {"SysMusStartVolBar", "1"}, {"SysMusMaxVolBar", "2"},
      {"SysEffNormalVolBar", "0"}, {"SysMicStartVolBar", "1"}, {"SysEffMaxVolBar", "2"}};
  for (const auto& [name, role] : roles) EXPECT_EQ(comps_->Find(name)->Hint(), role) << name;
}

struct StripCase {
  const char* prefix;
  const char* title;
  const char* gainBar;
  const char* spin;
  const char* by;  // first type label stem
  const char* hs;  // last type label stem
  int block, first, strips, spinBands, qWord;
  bool deq;
};

const StripCase kStripCases[] = {
    {"Mus", "MusEQPointLabel", "MusEQGainBar", "MusQUpDownBtn", "MusBYBtn", "MusHSQBtn", 0, 10, 15, 10, 3,
     false},
    {"Mic", "MicEQPointLabel", "MicEQGainBar", "MIcQUpDownBtn", "MicBYBtn", "MicHSQBtn", 2, 15, 20, 15, 3,
     false},
    {"Echo", "EffEQPointLabel", "EchoEQGainBar", "EchoQUpDownBtn", "EchoBYBtn", "EchoHSQBtn", 4, 14, 7, 7, 3,
     false},
    {"Rvb", "RvbEQPointLabel", "RvbEQGainBar", "RvbQUpDownBtn", "RvbBYBtn", "RvbHSQBtn", 5, 11, 7, 7, 3,
     false},
    {"Main", "MainEQPointLabel", "MainEQGainBar", "MainQUpDownBtn", "MainBYBtn", "MainHSQBtn", 6, 21, 10, 10,
     3, false},
    {"Hint", "HintEQPointLabel", "HintEQGainBar", "HintQUpDownBtn", "HintBYBtn", "HintHSQBtn", 25, 1, 5, 5, 4,
     false},
    {"DEQ", "DEQPointLabel", "DEQGainBar", "DEQQUpDownBtn", "DEQBYBtn", "DEQHEQBtn", 1, 2, 3, 3, 3, true},
};

TEST_F(Pages, BandStripsHoldEveryControlBoundToItsBandWords) {
  for (const StripCase& c : kStripCases) {
    for (int n = 1; n <= c.strips; ++n) {
      SCOPED_TRACE(std::string(c.prefix) + std::to_string(n));
      const int word0 = c.deq ? c.first + 10 * (n - 1) : c.first + 5 * (n - 1);
      auto name = [&](const char* stem) { return NumberedName(stem, n); };
      auto role = [&](const char* r) { return QString::fromUtf8(c.prefix) + r + QString::number(n); };

      auto* title = comps_->Get<Label>(name(c.title));
      ASSERT_NE(title, nullptr);
      EXPECT_EQ(title->Caption(), (c.deq ? QString() : QString("EQ")) + QString::number(n));

      auto* gain = comps_->Get<TrackBar>(name(c.gainBar));
      ASSERT_NE(gain, nullptr);
      EXPECT_EQ(gain->Orientation(), Qt::Vertical);
      EXPECT_EQ(gain->Min(), 0);
      EXPECT_EQ(gain->Max(), 180);
      EXPECT_EQ(gain->Position(), 120);
      EXPECT_EQ(gain->Tag(), A(c.block, word0 + 2));
      EXPECT_EQ(gain->width() <= 65, true);

      const std::pair<const char*, const char*> edits[] = {
          {"GainEdit", "-24.0"}, {"QEdit", "128.00"}, {"FreEdit", "20000"}};
      const int editWords[] = {2, c.qWord, 1};
      const char* kinds[] = {"3", "4", "2"};
      for (int i = 0; i < 3; ++i) {
        auto* e = comps_->Get<Edit>(role(edits[i].first));
        ASSERT_NE(e, nullptr) << edits[i].first;
        EXPECT_EQ(e->text(), edits[i].second);
        EXPECT_EQ(e->Tag(), A(c.block, word0 + editWords[i]));
        EXPECT_EQ(e->Hint(), kinds[i]);
      }
      auto* list = comps_->Get<ComboBox>(role("ModeBox"));
      ASSERT_NE(list, nullptr);
      ASSERT_EQ(list->count(), 4);
      EXPECT_EQ(list->itemText(0), "BYPSS");
      EXPECT_EQ(list->itemText(3), "HSEQ");
      EXPECT_EQ(list->Tag(), A(c.block, word0));
      EXPECT_EQ(list->Hint(), "1");

      auto* by = comps_->Get<Label>(name(c.by));
      auto* hs = comps_->Get<Label>(name(c.hs));
      ASSERT_TRUE(by && hs);
      EXPECT_EQ(by->Caption(), "BY");
      EXPECT_EQ(hs->Caption(), "HS");
      EXPECT_EQ(by->Hint(), "0");
      EXPECT_EQ(hs->Hint(), "3");

      auto* spin = comps_->Get<SpinButtons>(name(c.spin));
      ASSERT_NE(spin, nullptr);
      EXPECT_EQ(spin->Tag(), A(c.block, word0 + c.qWord));
    }
  }
}

TEST_F(Pages, StripsOfOneEqSitSideBySide65PixelsApart) {
  for (const char* stem :
       {"MusEQGainBar", "MicEQGainBar", "MainEQGainBar", "EchoEQGainBar", "HintEQGainBar"}) {
    QWidget* a = comps_->Widget(NumberedName(stem, 1));
    QWidget* b = comps_->Widget(NumberedName(stem, 2));
    ASSERT_TRUE(a && b) << stem;
    EXPECT_EQ(b->x() - a->x(), 65) << stem;
    EXPECT_EQ(a->parentWidget(), b->parentWidget()) << stem;
  }
  // Ten strips in view in the music, microphone and output boxes.
  for (const char* box : {"MusScrollBox", "MicScrollBox", "MainScrollBox"})
    EXPECT_EQ(comps_->Widget(box)->width(), 650) << box;
}

TEST_F(Pages, FilterTypeListsHoldTheThirteenTypes) {
  const char* lists[] = {"MusHPTypeBox",  "MusLPTypeBox",  "MicHPTypeBox",   "MicLPTypeBox",
                         "EchoHPTypeBox", "EchoLPTypeBox", "EchoBHPTypeBox", "EchoBLPTypeBox",
                         "RvbHPTypeBox",  "RvbLPTypeBox",  "MainHPTypeBox",  "MainLPTypeBox"};
  const char* items[] = {"Bypass",           "6dB 1st ",        "12dB Besse",       "12dB Butterworth",
                         "12dB Link-Riley",  "18dB Bessel",     "18dB Butterworth", "24dB Bessel",
                         "24dB Butterworth", "24dB Link-Riley", "36dB Bessel",      "36dB Butterworth",
                         "36dB Link-Riley"};
  for (const char* name : lists) {
    auto* list = comps_->Get<ComboBox>(name);
    ASSERT_NE(list, nullptr) << name;
    ASSERT_EQ(list->count(), 13) << name;
    for (int i = 0; i < 13; ++i) EXPECT_EQ(list->itemText(i), items[i]) << name;
    EXPECT_EQ(list->Hint(), QString(name).contains("HP") ? "20" : "21") << name;
  }
}

struct ListCase {
  const char* name;
  std::vector<const char*> items;
  int tag;
  bool hidden;
};

TEST_F(Pages, OtherListsHoldTheirItems) {
  const ListCase cases[] = {
      {"SysInputBox", {"Auto", "IN1", "IN2", "OPTI"}, A(30, 20), false},
      {"SysMusInputLevelBox", {"0dB", "3dB", "6dB"}, A(30, 3), false},
      {"DEQTypeBox1", {"Off", "Below", "Above"}, A(1, 1), true},
      {"DEQTypeBox2", {"Off", "Below", "Above"}, A(1, 11), true},
      {"DEQTypeBox3", {"Off", "Below", "Above"}, A(1, 21), true},
      {"SysModeBox", {}, A(30, 2), false},
  };
  for (const ListCase& c : cases) {
    auto* list = comps_->Get<ComboBox>(c.name);
    ASSERT_NE(list, nullptr) << c.name;
    ASSERT_EQ(list->count(), static_cast<int>(c.items.size())) << c.name;
    for (int i = 0; i < list->count(); ++i)
      EXPECT_EQ(list->itemText(i), c.items[static_cast<std::size_t>(i)]);
    EXPECT_EQ(list->Tag(), c.tag) << c.name;
    EXPECT_EQ(list->isHidden(), c.hidden) << c.name;
  }
}

struct CaptionCase {
  const char* name;
  const char* caption;
  const char* hint;
};

TEST_F(Pages, CaptionsKeepTheChineseTextAndTheEnglishHint) {
  const CaptionCase cases[] = {
      {"RzLabel9", "Sonavel Z5 Karaoke  2.1.5", "Morvelin  2.1.1 En"},
      {"SysLogoLabel", "运行：", "Run："},
      {"FormMusTabBtn", "音乐", "Music"},
      {"FormDYNBtn", "DEQ", "DEQ"},
      {"FormMICATabBtn", "麦克风", "MIC"},
      {"FormEFFTabBtn", "效果", "Effect"},
      {"FormMAINTabBtn", "主输出", "Main"},
      {"FormSURTabBtn", "后置", "Surround"},
      {"FormCENTabBtn", "中置输出", "Center"},
      {"FormSUBTabBtn", "超低音", "Sub"},
      {"FormSysTabBtn", "系统", "System"},
      {"FormHintTabBtn", "隐藏", "Hide"},
      {"LinkBtn", "联机", "link"},
      {"SysMusNormalVolLabel", "音乐", "Music"},
      {"SysMicNormalVolLabel", "话筒", "Mic"},
      {"SysEffNormalVolLabel", "效果", "Effect"},
      {"AdvGroupBox1", "麦克风A压限", "MIC A Limit"},
      {"AdvGroupBox16", "麦克风A噪声门", "Mic A Noise"},
      {"AdvGroupBox18", "---------回声A高低通----------", "---------EchoA HF/LF---------"},
      {"AdvGroupBox23", "----------回声B高低通---------", "---------EchoB HF/LF---------"},
      {"AdvGroupBox2", "----------混响高低通---------", "---------Rvb LHP ---------"},
      {"MicInputGainBarLabel", "输入电平", "Input Level"},
      {"EchoRPreDelayBarLabel", "右通道A预延时", "Right A Pre-delay"},
      {"EchoBRTimeBarLabel", "右通道B延时", "Right B delay"},
      {"RvbEffLevelBarLabel", "混响音量", "Echo Effect Vol"},
      {"OutLDelayLabel", "左通道延时", "Left Delay"},
      {"Label157", "右通道延时", "Right Delay"},
      {"Label92", "回声B效果电平", "EchoB Level"},
      {"Label93", "混响效果电平", "Rvb Effect Vol"},
      {"MainRmsLevelBarLabel", "压限启动电平", "Limit Level"},
      {"MusGain3EditLabel", "光纤音量", "OPTI Vol"},
      {"MusLPTypeBoxLabel", " 低 通", "LP"},
      {"DEQWorkTypeLabel2", "动态均衡工作类型", "DEQ Work Type"},
      {"MusRowCaption124", "增益：", "Gain"},
      {"MusRowCaption184", "类型：", "Type"},
      {"SysModeTitleLabel", "设备模式管理", ""},
      {"SysPassEditLabel", "密码", ""},
      {"EchoAToolButton", "回声A", "Echo A"},
      {"EchoFormBtn", "回声+回声", "Echo+Echo"},
      {"RvbFormBtn", "回声+混响", "Echo+Rvb"},
      {"EchoAEQBtn", "回声EQ", "ECHOA EQ"},
      {"RvbEQBtn", "混响EQ", "RVB EQ"},
      {"AutoModeBtn", "自动", "Auto"},
      {"ManulModeBtn", "手动", "Manual"},
      {"SingModeBtn", "唱歌", "Sing"},
      {"DiscoModeBtn", "热舞", "Disco"},
      {"CodeModeBtn", "解码", "decode"},
      {"EQResetBtn", "EQ重置", "EQ Reset"},
      {"LeftBtn", "音乐左", "Left"},
      {"SameBtn", "联调", "SYNC"},
      {"RightBtn", "音乐右", "Right"},
      {"PinPPBtn", "频谱", "0"},
      {"PinDCFBtn", "低触发", "0"},
      {"MainLmuteBtn", "左静音", "0"},
      {"MainRmuteBtn", "右静音", "0"},
      {"SysVolRunBtn2", "启用", "1"},
      {"SysVolRunBtn1", "禁用", "0"},
      {"SysLoadModeBtn", "调用设备模式", "Load Mode"},
      {"SysSaveModeBtn", "保存设备模式", "Save Mode"},
      {"RzBmpButton120", "保存数据到电脑", "Save Data to PC"},
      {"RzBmpButton119", "上传数据到设备", "Load File data"},
      {"RzBmpButton118", "确定", "OK"},
      {"RzToolButton11", "English", "中文"},
      {"SysRemoteLabel1", "开启", ""},
      {"SysRemoteLabel2", "关闭", ""},
      {"DEQTYpeOffBtn1", "Off", "Off"},
      {"DEQTYpeBelowBtn2", "Below", "Below"},
      {"DEQTYpeAboveBtn3", "Above", "Above"},
      {"AdvTabSheet1_mus", "音乐", "Music"},
      {"AdvTabSheet8_Sys", "系统", "System"},
      {"EffEchoSheet", "回声A", "EchoA"},
      {"EffRvbSheet", "Rvb", "Rvb"},
  };
  for (const CaptionCase& c : cases) {
    Control* control = comps_->Find(c.name);
    ASSERT_NE(control, nullptr) << c.name;
    EXPECT_EQ(control->Caption(), QString::fromUtf8(c.caption)) << c.name;
    EXPECT_EQ(control->Hint(), QString::fromUtf8(c.hint)) << c.name;
  }
}

TEST_F(Pages, ButtonsCarryTheirTagValues) {
  const std::pair<const char*, int> cases[] = {
      {"FormMusTabBtn", 0},
      {"FormDYNBtn", 1},
      {"FormMICATabBtn", 2},
      {"FormHintTabBtn", 3},
      {"FormEFFTabBtn", 4},
      {"FormMAINTabBtn", 5},
      {"FormSURTabBtn", 6},
      {"FormCENTabBtn", 7},
      {"FormSUBTabBtn", 8},
      {"FormSysTabBtn", 9},
      {"LeftBtn", 0},
      {"SameBtn", 1},
      {"RightBtn", 2},
      {"EchoAToolButton", 0},
      {"EchoBToolButton", 1},
      {"RvbToolButton", 2},
      {"HintMusBtn", 0},
      {"HintMicABtn", 1},
      {"HintMicBBtn", 2},
      {"DEQTYpeOffBtn2", 0},
      {"DEQTYpeBelowBtn2", 1},
      {"DEQTYpeAboveBtn2", 2},
      {"EchoEffPhaseBtn", A(4, 1)},
      {"RvbDirectPhaseBtn", A(5, 3)},
      {"MainRvbPhaseBtn", A(6, 9)},
      {"EchoBEffPhaseBtn", A(24, 1)},
      {"SysPanelBtn1", A(30, 4)},
      {"SysManagerBtn", A(30, 8)},
      {"SysVolRunBtn1", A(29, 9)},
      {"MusEQAllpassBtn", A(0, 8)},
      {"MusGain3UpDown", A(0, 2)},
  };
  for (const auto& [name, tag] : cases) {
    Control* c = comps_->Find(name);
    ASSERT_NE(c, nullptr) << name;
    EXPECT_EQ(c->Tag(), tag) << name;
  }
}

TEST_F(Pages, MusicInputGainEditsAreKind5WithSpinButtons) {
  const std::tuple<const char*, const char*, int, bool> cases[] = {
      {"MusGain1Edit", "MusGain1UpDown", A(0, 0), true},
      {"MusGain2Edit", "MusGain2UpDown", A(0, 1), true},
      {"MusGain3Edit", "MusGain3UpDown", A(0, 2), false},
  };
  for (const auto& [edit, spin, tag, hidden] : cases) {
    auto* e = comps_->Get<Edit>(edit);
    ASSERT_NE(e, nullptr) << edit;
    EXPECT_EQ(e->Hint(), "5");
    EXPECT_EQ(e->Tag(), tag);
    EXPECT_EQ(e->isHidden(), hidden) << edit;
    ASSERT_NE(comps_->Get<SpinButtons>(spin), nullptr) << spin;
  }
  EXPECT_EQ(comps_->Get<Edit>("MusGain3Edit")->text(), "-10.0dB");
}

TEST_F(Pages, HiddenStandInsAndTemplatesExist) {
  const char* hidden[] = {"Example",           "ExampleBar",        "ExampleBtn",      "ExampleBtn2",
                          "FormHintTabBtn",    "SysLogoEdit",       "SysLogoLabel",    "PinDCFBtn",
                          "EQPassLabel",       "FirstCheckGrop",    "MusPanScrollBar", "MainPanScrollBar",
                          "MusEQTrackBar1",    "UnLinkBtn",         "RzToolButton11",  "EchoBGroup",
                          "MainEchoBLevelBar", "MainEchoBPhaseBtn", "Label92"};
  for (const char* name : hidden) {
    QWidget* w = comps_->Widget(name);
    ASSERT_NE(w, nullptr) << name;
    EXPECT_TRUE(w->isHidden()) << name;
  }
  EXPECT_NE(comps_->Get<Edit>("Example"), nullptr);
  EXPECT_NE(comps_->Get<TrackBar>("ExampleBar"), nullptr);
  EXPECT_NE(comps_->Get<BmpButton>("ExampleBtn2"), nullptr);
  EXPECT_NE(comps_->Get<Edit>("PanelPassWordEdit"), nullptr);
  EXPECT_EQ(comps_->Get<Edit>("SysPassEdit")->echoMode(), QLineEdit::Password);
  EXPECT_EQ(comps_->Get<Edit>("SysPassEdit")->maxLength(), 6);
  EXPECT_EQ(comps_->Get<Edit>("PassPanelLabel1")->echoMode(), QLineEdit::Normal);
  EXPECT_FALSE(comps_->Widget("NewPassLabel1")->isEnabled());
}

TEST_F(Pages, NineSheetsInPageOrder) {
  auto* pages = comps_->Get<PageControl>("FormPageItem");
  ASSERT_NE(pages, nullptr);
  const char* sheets[] = {"AdvTabSheet1_mus",  "AdvTabSheet2_mic",    "AdvTabSheet3_Eff",
                          "AdvTabSheet4_Main", "AdvTabSheet5_Center", "AdvTabSheet6_Sub",
                          "AdvTabSheet7_sur",  "AdvTabSheet8_Sys",    "AdvTabSheet9_DEQ"};
  ASSERT_EQ(pages->count(), 9);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(pages->widget(i)->objectName(), sheets[i]);
  EXPECT_EQ(comps_->Get<PageControl>("EffPageControl")->count(), 2);
}

TEST_F(Pages, ControlsSitInTheirGroups) {
  const std::pair<const char*, const char*> cases[] = {
      {"SysInputBox", "AdvGroupBox14"},
      {"MicFBEBar", "AdvGroupBox7"},
      {"MicRmsRatioBar", "AdvGroupBox1"},
      {"MicNoiseLevelBar", "AdvGroupBox16"},
      {"MicLPFreBar", "AdvGroupBox17"},
      {"EchoRTimeBar", "AdvGroupBox8"},
      {"EchoLPTypeBox", "AdvGroupBox18"},
      {"EchoBRTimeBar", "EchoBGroup"},
      {"EchoBLPFreBar", "AdvGroupBox23"},
      {"RvbTimeBar", "AdvGroupBox10"},
      {"RvbHPTypeBox", "AdvGroupBox2"},
      {"RvbEQBtn", "AdvGroupBox12"},
      {"MainRvbLevelBar", "AdvGroupBox6"},
      {"MainRdelayBar", "AdvGroupBox13"},
      {"MainRmsRatioBar", "OutLimiteGroup"},
      {"MainLPTypeBox", "OutLHPGroup"},
      {"HintMicBBtn", "RzGroupBox40"},
      {"DEQRmsRatioBar2", "DEQ2Grop"},
      {"DEQGainBar3", "DEQ3Grop"},
      {"HintEQGainBar5", "AdvGroupBox3"},
      {"AutoModeBtn", "SingleDiscoGrop"},
      {"MusEQAllpassBtn", "EQPassGrop"},
      {"SameBtn", "CopyGrop"},
      {"PinPPBtn", "RzGroupBox19"},
      {"SysManagerBtn", "SysUserMangerGrop"},
      {"FormSysTabBtn", "TopTileGrop"},
      {"AdvPanel2", "AdvParentPane"},
      {"EQPassLabel", "AdvPanel2"},
      {"PanelPassWordEdit", "FirstCheckGrop"},
      {"EchoEQGainBar1", "EffEchoSheet"},
      {"RvbModeBox7", "EffRvbSheet"},
  };
  for (const auto& [control, group] : cases) {
    QWidget* w = comps_->Widget(control);
    ASSERT_NE(w, nullptr) << control;
    EXPECT_EQ(w->parentWidget()->objectName(), group) << control;
  }
  // Strips in a strip box sit in its contents.
  EXPECT_EQ(comps_->Widget("MusEQGainBar15")->parentWidget(),
            comps_->Get<ScrollBox>("MusScrollBox")->Contents());
  EXPECT_EQ(comps_->Widget("MicFreEdit20")->parentWidget(),
            comps_->Get<ScrollBox>("MicScrollBox")->Contents());
}

}  // namespace
}  // namespace morvelin
