#include "editor/widgets/tab_switch.h"

#include <QWidget>

#include "editor/band_scroll.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/track_bar.h"
#include "params/block_table.h"

namespace morvelin {

using namespace tabs;

TabSwitch::TabSwitch(FormComponents& components, EditorSession& session)
    : comps_(components), state_(session.State()), sel_(session.Selection()), session_(session) {}

void TabSwitch::Connect() {
  for (const TabRow& t : kTabs) {
    if (auto* b = comps_.Get<BmpButton>(t.button))
      QObject::connect(b, &BmpButton::Clicked, b, [this, b] { FormMusTabBtnClick(b); });
  }
  for (const PanRow& p : kPanBars) {
    if (auto* bar = comps_.Get<TrackBar>(p.bar))
      QObject::connect(bar, &TrackBar::Changed, bar, [this, bar] { MusPanScrollBarChange(bar); });
  }
}

void TabSwitch::SetPairText(const char* control, const CaptionPair& text) {
  if (!text.zh) return;
  Control* c = comps_.Find(control);
  if (!c) return;
  const QString zh = QString::fromUtf8(text.zh);
  const QString en = QString::fromUtf8(text.en);
  c->SetCaption(state_.UiLanguage == 1 ? zh : en);
  c->SetHint(state_.UiLanguage == 1 ? en : zh);
}

void TabSwitch::FormMusTabBtnClick(BmpButton* button) {
  if (button) ClickTab(button->Tag());
}

void TabSwitch::ClickTab(int tab) {
  if (tab < 0 || tab >= kTabCount) return;
  if (QWidget* prompt = comps_.Widget(handle::FirstCheckGrop); prompt && !prompt->isHidden()) return;
  session_.SetCurveColour(kGreen);
  state_.PageAddress = SwitchTab(tab);
  QWidget* panel = comps_.Widget(handle::AdvPanel1);
  auto* pages = comps_.Get(handle::FormPageItem);
  QWidget* focusPark = comps_.Widget(handle::Examplexx);
  if (BlockOf(state_.PageAddress) == kStatusBlock) {
    if (panel) panel->hide();
    if (pages) pages->SetActivePageIndex(kSystemPage);
    session_.ClearWheelTarget();
    if (focusPark) focusPark->setFocus();
    return;
  }
  if (panel) panel->show();
  if (pages) pages->SetActivePageIndex(IndexOf(state_.PageAddress));
  if (tab == 4) {
    if (!session_.ClickEffectTool(state_.EffectTool)) {
      // Plain selection of the effect sub-page: Echo A and B on the echo sheet, reverb on its own.
      if (auto* eff = comps_.Get(handle::EffPageControl))
        eff->SetActivePageIndex(state_.EffectTool == 2 ? 1 : 0);
      state_.PageAddress = MakeAddress(state_.EffectTool == 2 ? 5 : 4, kGroupEffect);
      state_.PageBlock = BlockOf(state_.PageAddress);
      sel_.CurEchoBlock = state_.EffectTool == 0 ? 4 : state_.EffectTool == 1 ? 24 : 5;
      session_.RefreshPage(state_.PageBlock);
    }
  } else {
    session_.RefreshPage(state_.PageBlock);
  }
  session_.RedrawCurves(state_.PageBlock);
  session_.ResetGainBarHighlight();
  session_.ClearWheelTarget();
  if (focusPark) focusPark->setFocus();
  if (QWidget* allPass = comps_.Widget(handle::MusEQAllpassBtn))
    allPass->setVisible(IndexOf(state_.PageAddress) != kDeqPage);
}

int TabSwitch::SwitchTab(int tab) {
  const auto* pressed = comps_.Get(handle::ExampleBtn);
  for (const TabRow& t : kTabs) {
    auto* b = comps_.Get<BmpButton>(t.button);
    if (!b) continue;
    if (pressed) b->SetLook(pressed->Look());
    const bool on = b->Tag() == tab;
    b->SetDown(on);
    b->SetCaptionColor(on ? Qt::white : Qt::black);
  }
  state_.CurrentTab = tab;
  return PageCaptions(tab);
}

int TabSwitch::PageCaptions(int tab) {
  if (tab < 0 || tab >= kTabCount) return state_.PageAddress;
  const TabRow& t = kTabs[static_cast<std::size_t>(tab)];
  int block = t.block;

  if (tab == 2) {
    const int side = state_.MicChannelSel == 2 ? 1 : 0;
    sel_.CurMicBlock = side ? 3 : 2;
    session_.SetCurveColour(side ? kOrange : kGreen);
    SetPairText("AdvGroupBox1", kMicLimitCaption[side]);
    SetPairText("AdvGroupBox16", kMicNoiseCaption[side]);
  } else if (tab == 4) {
    SetPairText("EchoAEQBtn", kEchoAEqCaption);
    SetPairText("RvbEQBtn", state_.EchoForm == 1 ? kRvbEqCaption : kEchoBEqCaption);
    block = state_.EffectTool == 2 ? 5 : 4;
  } else if (t.outBase >= 0) {
    const int pairSel = tab == 5 ? state_.MainChannelSel : tab == 6 ? state_.SurChannelSel : 0;
    const int base = (pairSel == 2 && t.outRightBase >= 0) ? t.outRightBase : t.outBase;
    sel_.CurOutBlock = base + SceneFromWord(sel_.SceneIndex);
  }

  auto show = [this](const char* name, bool on) {
    if (QWidget* w = comps_.Widget(name)) w->setVisible(on);
  };
  show("CopyGrop", t.copyGroup);
  show("SingleDiscoGrop", t.sceneGroup);

  for (const TabCaptionRow& c : kTabCaptions) {
    if (c.tab != tab) continue;
    SetPairText("LeftBtn", c.leftBtn);
    SetPairText("RightBtn", c.rightBtn);
    SetPairText("OutLimiteGroup", c.limitGroup);
    SetPairText("OutLHPGroup", c.lhpGroup);
    SetPairText("MainLmuteBtn", c.leftMute);
    SetPairText("OutLDelayLabel", c.leftDelay);
  }

  const bool pair = t.outRightBase >= 0;
  if (QWidget* l = comps_.Widget(handle::MainLmuteBtn))
    l->move(pair ? kLeftMuteXPair : kLeftMuteXSingle, l->y());
  if (QWidget* r = comps_.Widget(handle::MainRmuteBtn)) r->move(kRightMuteXPair, r->y());
  for (const char* name : kRightChannelControls) show(name, pair);

  const bool unlocked = tab <= 4 || state_.AutoManual == 1;
  for (const char* name : {"CopyGrop", "EQPassGrop"})
    if (QWidget* w = comps_.Widget(name)) w->setEnabled(unlocked);

  const int address = MakeAddress(block, t.group);
  state_.PageBlock = block;
  return address;
}

void TabSwitch::MusPanScrollBarChange(QObject* bar) {
  for (const PanRow& p : kPanBars) {
    if (comps_.Widget(p.bar) != bar) continue;
    auto* box = comps_.Get<ScrollBox>(p.box);
    auto* b = comps_.Get<TrackBar>(p.bar);
    if (box && b) box->ScrollTo(StripOffsetPixels(b->Position()));
  }
}

void TabSwitch::ScrollBandIntoView(int page, int band) {
  for (const PanRow& p : kPanBars) {
    if (p.page != page) continue;
    auto* bar = comps_.Get<TrackBar>(p.bar);
    if (!bar) return;
    if (const auto pos = ScrollPositionOnPage(page, bar->Position(), band)) bar->SetPosition(*pos);
  }
}

}  // namespace morvelin
