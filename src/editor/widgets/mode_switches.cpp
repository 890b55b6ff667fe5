#include "editor/widgets/mode_switches.h"

#include <QWidget>

#include "editor/apply_value_rules.h"
#include "editor/editor_state.h"
#include "editor/page_tables.h"
#include "editor/widgets/band_editing.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/containers.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/editor_binding.h"
#include "editor/widgets/form_components.h"
#include "editor/widgets/tab_switch.h"
#include "params/mode_words.h"

namespace morvelin {

namespace {

constexpr int kOutputBlock = 6;

constexpr const char* kSceneButtons[] = {"SingModeBtn", "DiscoModeBtn", "CodeModeBtn"};
constexpr const char* kPairButtons[] = {"LeftBtn", "SameBtn", "RightBtn"};
constexpr const char* kEffectTools[] = {"EchoAToolButton", "EchoBToolButton", "RvbToolButton"};
constexpr const char* kHiddenPageButtons[] = {"HintMusBtn", "HintMicABtn", "HintMicBBtn"};

// Locked with the output page in Auto mode (besides the output value sliders).
constexpr const char* kManualLocked[] = {
    "AutoModeBtn",   "SingModeBtn",  "DiscoModeBtn",   "CodeModeBtn", "MainLmuteBtn",  "MainRmuteBtn",
    "MainRdelayBar", "AdvGroupBox6", "OutLimiteGroup", "OutLHPGroup", "AdvGroupBox21", "MainPanScrollBar"};

// The effect block of each tool: Echo A, Echo B, reverb.
constexpr int kEffectBlocks[] = {4, 24, 5};
constexpr int kHiddenBlocks[] = {25, 26, 27};

}  // namespace

ModeSwitches::ModeSwitches(FormComponents& components, EditorState& state, EditorBinding& binding,
                           TabSwitch& tabs, BandEditing& bands)
    : comps_(components), state_(state), binding_(binding), tabs_(tabs), bands_(bands) {}

void ModeSwitches::Connect() {
  // The binding wires the buttons and lists it registers; the scene, pair and hidden-page
  // selectors are wired here.
  auto buttons = [this](const auto& names, void (ModeSwitches::*handler)(BmpButton*)) {
    for (const char* name : names)
      if (auto* b = comps_.Get<BmpButton>(name))
        connect(b, &BmpButton::Clicked, this, [this, b, handler] { (this->*handler)(b); });
  };
  buttons(kSceneButtons, &ModeSwitches::SingModeBtnClick);
  buttons(kPairButtons, &ModeSwitches::SameBtnClick);
  buttons(kHiddenPageButtons, &ModeSwitches::HintMusBtnClick);
}

void ModeSwitches::Click(const char* name) {
  auto* b = comps_.Get<BmpButton>(name);
  if (!b) return;
  const std::string_view n(name);
  if (n == "EchoAEQBtn" || n == "RvbEQBtn" || n == "EchoFormBtn" || n == "RvbFormBtn")
    EchoFormBtnClick(b);
  else
    EchoAToolButtonClick(b);
}

void ModeSwitches::AutoModeBtnClick(BmpButton* button) {
  if (!button) return;
  const int manual = binding_.SwitchState(button, 16);
  binding_.Store().SetParam(kAutoManualWord, manual);
  state_.AutoManual = manual;
  ApplyManualLock();
}

void ModeSwitches::ApplyManualLock() {
  const bool enabled = state_.AutoManual == 1;
  for (int i = 0; i < kBlockWords; ++i)
    if (auto* bar = dynamic_cast<TrackBar*>(binding_.Registry().ValueControl(MakeAddress(kOutputBlock, i))))
      bar->setEnabled(enabled);
  for (const char* name : kManualLocked)
    if (QWidget* w = comps_.Widget(name)) w->setEnabled(enabled);
  if (state_.PageBlock >= kOutputBlock)
    for (const char* name : {"CopyGrop", "EQPassGrop"})
      if (QWidget* w = comps_.Widget(name)) w->setEnabled(enabled);
  if (QWidget* manual = comps_.Widget(handle::ManulModeBtn)) manual->setEnabled(true);
  bands_.UpdateResetButton();
}

void ModeSwitches::SingModeBtnClick(BmpButton* button) {
  if (!button) return;
  ParamStore& store = binding_.Store();
  const int scene = binding_.SwitchState(button, 17);
  store.SetParam(kSceneWord, scene);
  store.Selection().SceneIndex = scene;
  state_.PageAddress = tabs_.PageCaptions(state_.CurrentTab);
  binding_.RefreshPage(state_.PageBlock);
  binding_.Session().RedrawCurves(state_.PageBlock);
}

void ModeSwitches::SameBtnClick(BmpButton* button) {
  if (!button) return;
  ParamStore& store = binding_.Store();
  EditSelection& sel = store.Selection();
  int linkWord = 0;
  int* selection = nullptr;
  ParamStore::Family family{};
  switch (state_.CurrentTab) {
    case 0:
      linkWord = MakeAddress(0, 8), selection = &sel.MusChannelSel, family = ParamStore::Family::Music;
      break;
    case 1:
      linkWord = MakeAddress(1, 0), family = ParamStore::Family::Deq;
      break;
    case 2:
      linkWord = MakeAddress(2, 13), selection = &state_.MicChannelSel, family = ParamStore::Family::Mic;
      break;
    case 5:
      linkWord = kMainLinkWord, selection = &state_.MainChannelSel, family = ParamStore::Family::Main;
      break;
    case 6:
      linkWord = kSurLinkWord, selection = &state_.SurChannelSel, family = ParamStore::Family::Surround;
      break;
    default:
      return;
  }
  const int side = button->Tag();
  // Leaving the linked state: the second side starts as a copy of the first.
  if (selection && side != 1 && *selection == 1) store.CopyBank(family);
  if (selection) *selection = side;
  store.SetParam(linkWord, binding_.SwitchState(button, 19));
  if (side == 1) store.CopyBank(family);
  if (state_.CurrentTab == 2)
    state_.PageAddress = tabs_.SwitchTab(2);
  else
    state_.PageAddress = tabs_.PageCaptions(state_.CurrentTab);
  binding_.RefreshPage(state_.PageBlock);
  binding_.Session().RedrawCurves(state_.PageBlock);
}

void ModeSwitches::EchoFormBtnClick(BmpButton* button) {
  if (!button) return;
  const QString name = button->objectName();
  if (name == "EchoFormBtn" || name == "RvbFormBtn") {
    state_.EchoForm = binding_.SwitchState(button, 26);
    binding_.Store().SetParam(kEchoFormWord, state_.EchoForm);
  } else {
    state_.EffectEQSel = binding_.SwitchState(button, 27);
  }
  ClickEffectTool(state_.EffectEQSel == 0 ? 0 : state_.EchoForm == 0 ? 1 : 2);
  if (auto* tab = comps_.Get(handle::FormEFFTabBtn)) {
    const int keep = state_.PageAddress;
    tabs_.SwitchTab(tab->Tag());
    state_.PageAddress = keep;
  }
}

void ModeSwitches::ClickEffectTool(int tool) {
  if (tool < 0 || tool > 2) return;
  EchoAToolButtonClick(comps_.Get<BmpButton>(kEffectTools[tool]));
}

void ModeSwitches::EchoAToolButtonClick(BmpButton* button) {
  if (!button) return;
  const int tool = std::clamp(button->Tag(), 0, 2);
  binding_.SwitchState(button, 24);
  state_.EffectTool = tool;
  binding_.Store().Selection().CurEchoBlock = kEffectBlocks[tool];
  if (auto* sheets = comps_.Get(handle::EffPageControl)) sheets->SetActivePageIndex(tool == 2 ? 1 : 0);
  const int block = tool == 2 ? 5 : 4;
  state_.PageAddress = MakeAddress(block, kGroupEffect);
  state_.PageBlock = block;
  binding_.RefreshPage(block);
  binding_.Session().RedrawCurves(block);
}

void ModeSwitches::HintMusBtnClick(BmpButton* button) {
  if (!button) return;
  binding_.SwitchState(button, 25);
  binding_.Store().Selection().CurHideBlock = kHiddenBlocks[std::clamp(button->Tag(), 0, 2)];
  state_.PageAddress = MakeAddress(25, kGroupHidden);
  state_.PageBlock = 25;
  binding_.RefreshPage(25);
  binding_.Session().RedrawCurves(25);
}

void ModeSwitches::EchoEffPhaseBtnClick(BmpButton* button) {
  if (button) binding_.Store().SetParam(button->Tag(), binding_.SwitchState(button, 14));
}

void ModeSwitches::MainLmuteBtnClick(BmpButton* button) {
  if (button) binding_.Store().SetParam(button->Tag(), binding_.SwitchState(button, 11));
}

bool ModeSwitches::FollowEffect(int controlBlock) {
  const auto follow =
      EffectEqToFollow(state_.PageBlock, controlBlock, binding_.Store().Selection().CurEchoBlock);
  if (!follow) return false;
  Click(*follow == EffectEqButton::EchoA ? "EchoAEQBtn" : "RvbEQBtn");
  return true;
}

void ModeSwitches::MainHPTypeBoxChange(ComboBox* list) {
  if (!list) return;
  binding_.Store().SetParam(list->Tag(), list->ItemIndex());
  if (FollowEffect(BlockOf(list->Tag()))) return;
  // The filter is a band of the page's curves (after the EQ bands): the page is redrawn.
  binding_.Session().RedrawCurves(state_.PageBlock);
}

}  // namespace morvelin
