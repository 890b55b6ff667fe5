#pragma once
// The page switch: which page, view block and output block each tab shows, the captions that
// follow the tab, the right-hand panel's groups, and the scrolling of the band strips.

#include <array>

#include "editor/editor_session.h"
#include "editor/editor_state.h"
#include "editor/page_tables.h"
#include "editor/widgets/form_components.h"
#include "params/edit_selection.h"

namespace morvelin {

class BmpButton;

namespace tabs {

inline constexpr int kTabCount = 10;
static_assert(pages::kTabButtons.size() == kTabCount);
inline constexpr int kSystemTab = 9;
inline constexpr int kDeqPage = 8;
inline constexpr int kSystemPage = 7;

struct TabRow {
  const char* button;
  int block;         // view block of the page
  int group;         // curve group = page index shown
  int outBase;       // output channel base block (-1: not an output tab)
  int outRightBase;  // block base of the right side of the pair (-1: no pair)
  bool copyGroup;    // CopyGrop shown
  bool sceneGroup;   // SingleDiscoGrop shown
};

// Tab index 0..9, in the order of the tab buttons' Tag.
inline constexpr std::array<TabRow, kTabCount> kTabs{{
    {pages::kTabButtons[0], 0, 0, -1, -1, false, false},
    {pages::kTabButtons[1], 1, 8, -1, -1, false, false},
    {pages::kTabButtons[2], 2, 1, -1, -1, true, false},
    {pages::kTabButtons[3], 25, 4, -1, -1, false, false},
    {pages::kTabButtons[4], 4, 2, -1, -1, false, false},
    {pages::kTabButtons[5], 6, 3, 6, 9, true, true},
    {pages::kTabButtons[6], 6, 3, 12, 15, true, true},
    {pages::kTabButtons[7], 6, 3, 18, -1, false, true},
    {pages::kTabButtons[8], 6, 3, 21, -1, false, true},
    {pages::kTabButtons[9], 30, 7, -1, -1, false, false},
}};

struct CaptionPair {
  const char* zh;
  const char* en;
};

// Captions written by the tab switch; an empty pair leaves the control's text as it is.
struct TabCaptionRow {
  int tab;
  CaptionPair leftBtn, rightBtn, limitGroup, lhpGroup, leftMute, leftDelay;
};

inline constexpr std::array<TabCaptionRow, 6> kTabCaptions{{
    {0, {"音乐左", "Left"}, {"音乐右", "Right"}, {}, {}, {}, {}},
    {2, {"麦克A", "MIC A"}, {"麦克B", "MIC B"}, {}, {}, {}, {}},
    {5,
     {"主左", "Main L"},
     {"主右", "Main R"},
     {"---------主输出压限-----------", "----------Main Limit----------"},
     {"----------主输出分频-----------", "-----------Main LHF-----------"},
     {"左静音", "L Mute"},
     {"左声道延时", "Left Delay"}},
    {6,
     {"环左", "SUR L"},
     {"环右", "SUR R"},
     {"----------环绕压限------------", "--------Surround Limit--------"},
     {"-----------环绕分频-----------", "---------Surround LHF---------"},
     {"左静音", "L Mute"},
     {"左声道延时", "Left Delay"}},
    {7,
     {},
     {},
     {"----------中置压限------------", "---------Center Limit---------"},
     {"-----------中置分频-----------", "----------Center LHF----------"},
     {"中置静音", "Cen Mute"},
     {"中置延时", "Center Delay"}},
    {8,
     {},
     {},
     {"----------超低压限------------", "----------SUB Limit----------"},
     {"-----------超低分频-----------", "-----------SUB LHF-----------"},
     {"超低静音", "SUB Mute"},
     {"超低延时", "SUB Delay"}},
}};

// Microphone channel captions: Mic A (index 0) and Mic B (index 1).
inline constexpr std::array<CaptionPair, 2> kMicLimitCaption{
    {{"麦克风A压限", "MiC A Limit"}, {"麦克风B压限", "MiC B Limit"}}};
inline constexpr std::array<CaptionPair, 2> kMicNoiseCaption{
    {{"麦克风A 噪声门", "MICA Noise"}, {"麦克风B 噪声门", "MICB Noise"}}};
inline constexpr CaptionPair kEchoAEqCaption{"回声A EQ", "ECHOA EQ"};
inline constexpr CaptionPair kRvbEqCaption{"混响EQ", "RVB EQ"};
inline constexpr CaptionPair kEchoBEqCaption{"回声B EQ", "ECHOB EQ"};

inline const QColor kGreen{0, 255, 0};
inline const QColor kOrange{243, 152, 0};

// Where the mute buttons of the output page sit: both channels, or the left one alone.
inline constexpr int kLeftMuteXPair = 46;
inline constexpr int kRightMuteXPair = 124;
inline constexpr int kLeftMuteXSingle = 85;

// The right channel of the output pair.
inline constexpr std::array<const char*, 4> kRightChannelControls{"MainRmuteBtn", "Label157", "MainRdelayBar",
                                                                  "MainRdelayPane"};

// Pan bars, the strip boxes they scroll and the page they sit on.
struct PanRow {
  const char* bar;
  const char* box;
  int page;
};
inline constexpr std::array<PanRow, 3> kPanBars{{
    {"MusPanScrollBar", "MusScrollBox", 0},
    {"MicPanScrollBar", "MicScrollBox", 1},
    {"MainPanScrollBar", "MainScrollBox", 3},
}};

}  // namespace tabs

class TabSwitch {
 public:
  // Asks for refreshes, curve redraws and the effect tool click through the session.
  TabSwitch(FormComponents& components, EditorSession& session);

  // Connects the tab buttons and pan bars to their handlers.
  void Connect();

  // FormMusTabBtnClick: the click on a tab button (ignored while the unlock prompt shows).
  void FormMusTabBtnClick(BmpButton* button);
  void ClickTab(int tab);

  // SwitchState op 10: repaint the tab buttons, store the tab, set the captions; returns the
  // page address.
  int SwitchTab(int tab);
  // The captions, output selection and right-panel groups for a tab; returns the page address.
  int PageCaptions(int tab);

  // MusPanScrollBarChange: scroll a strip box to 65 pixels times its bar's position.
  void MusPanScrollBarChange(QObject* bar);
  // Bring band b (0-based) of a page's strips into view by moving its pan bar.
  void ScrollBandIntoView(int page, int band);

  void SetPairText(const char* control, const tabs::CaptionPair& text);

 private:
  FormComponents& comps_;
  EditorState& state_;
  EditSelection& sel_;
  EditorSession& session_;
};

}  // namespace morvelin
