// RefreshPage: every control of a view block (or of all of them) shows ViewImage, nothing is sent.

#include <QWidget>

#include "editor/apply_value_rules.h"
#include "editor/refresh_selection_rules.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/editor_binding.h"
#include "params/mode_words.h"

namespace morvelin {

namespace {

constexpr int kMicLinkWord = MakeAddress(2, 13);

bool IsMuteButton(const QString& name) {
  return name == "MainLmuteBtn" || name == "MainRmuteBtn";
}

Control* At(const std::vector<Control*>& list, int k) {
  return (k >= 0 && k < static_cast<int>(list.size())) ? list[static_cast<std::size_t>(k)] : nullptr;
}

}  // namespace

void EditorBinding::ShowSliderValue(TrackBar& slider, int value) {
  const int before = slider.Position();
  slider.SetPosition(value);
  // The same sliders serve several blocks: the pane must be rewritten even when the position
  // happens to be the same.
  if (slider.Position() == before) emit slider.Changed(before);
}

void EditorBinding::RefreshWord(int address) {
  Control* c = registry_.ValueControl(address);
  if (!c || c == example_) return;  // the stand-in has no word of its own to show
  const int v = store_.View(address);
  if (auto* slider = dynamic_cast<TrackBar*>(c)) {
    ShowSliderValue(*slider, v);
  } else if (auto* button = dynamic_cast<BmpButton*>(c)) {
    if (button->objectName() == "MusEQAllpassBtn") return;
    // Preset the inverse state: the click toggles it back to the stored one and repaints.
    button->SetHint(v == 0 ? QStringLiteral("1") : QStringLiteral("0"));
    if (IsMuteButton(button->objectName()))
      handlers_->MainLmuteBtnClick(*button);
    else
      handlers_->EchoEffPhaseBtnClick(*button);
  } else if (auto* list = dynamic_cast<ComboBox*>(c)) {
    // A word the list has no entry for shows no entry.
    list->SetItemIndex(v >= 0 && v < list->count() ? v : -1);
    Control* slot0 = registry_.AuxControl(address, 0);
    if (dynamic_cast<Label*>(slot0) || dynamic_cast<BmpButton*>(slot0)) handlers_->MusModeBox1Change(*list);
  } else if (c->Class() == ControlClass::Edit) {
    ApplyValue(c, StepNone, true, v);
  }
}

void EditorBinding::RefreshPage(int block) {
  const bool outerRefreshing = flags_.Refreshing;
  const bool outerSuppressed = store_.SendSuppressed;
  flags_.Refreshing = true;
  store_.SendSuppressed = true;

  store_.RefreshView();
  EditSelection& sel = store_.Selection();
  sel.SceneIndex = SceneFromWord(store_.Device(kSceneWord));

  for (int b : ViewBlocks) {
    if (block != kAllBlocks && block != b) continue;
    for (int i = 0; i < BlockLengths(b); ++i) RefreshWord(MakeAddress(b, i));
  }

  // The right channel of the output pair, beside the left one.
  const int out = sel.CurOutBlock;
  const int right = (out >= 6 && out <= 11) ? 9 : (out >= 12 && out <= 17) ? 15 : -1;
  if (right >= 0) {
    if (auto* bar = comps_.Get(handle::MainRdelayBar))
      ShowSliderValue(*bar, store_.View(MakeAddress(right, 10)));
    if (auto* mute = comps_.Get(handle::MainRmuteBtn)) {
      mute->SetHint(store_.View(MakeAddress(right, 11)) == 0 ? QStringLiteral("1") : QStringLiteral("0"));
      handlers_->MainLmuteBtnClick(*mute);
    }
  }

  state_.MicChannelSel = PairSelectionAfterRefresh(state_.MicChannelSel, store_.View(kMicLinkWord));
  state_.MainChannelSel = PairSelectionAfterRefresh(state_.MainChannelSel, store_.View(kMainLinkWord));
  state_.SurChannelSel = PairSelectionAfterRefresh(state_.SurChannelSel, store_.View(kSurLinkWord));
  state_.AutoManual = OnOffFromWord(store_.View(kAutoManualWord));
  state_.EchoForm = OnOffFromWord(store_.View(kEchoFormWord));

  int pair = -1;
  switch (state_.CurrentTab) {
    case 0:
      pair = sel.MusChannelSel;
      break;
    case 2:
      pair = state_.MicChannelSel;
      break;
    case 5:
      pair = state_.MainChannelSel;
      break;
    case 6:
      pair = state_.SurChannelSel;
      break;
    default:
      break;
  }
  if (Control* b = At(registry_.PairButtons, pair)) SwitchState(b, kOpPair);

  int allPass = 0;
  if (const auto word = AllPassWordOf(state_.PageBlock)) {
    if (Control* btn = comps_.Find(handle::MusEQAllpassBtn)) {
      btn->SetTag(*word);
      btn->SetHint(store_.View(*word) == 0 ? QStringLiteral("1") : QStringLiteral("0"));
      allPass = SwitchState(btn, kOpToggle);
    }
  }
  if (state_.PageBlock >= 0 && state_.PageBlock < kBlockCount)
    flags_.AllPassState[static_cast<std::size_t>(state_.PageBlock)] = allPass;
  if (QWidget* label = comps_.Widget(handle::EQPassLabel)) label->setVisible(allPass != 0);

  if (auto* mode = comps_.Get<BmpButton>(state_.AutoManual == 0 ? "AutoModeBtn" : "ManulModeBtn"))
    handlers_->AutoModeBtnClick(*mode);
  if (Control* b = At(registry_.SceneButtons, sel.SceneIndex)) SwitchState(b, kOpScene);
  if (Control* b = At(registry_.FormButtons, state_.EchoForm)) SwitchState(b, kOpEchoForm);
  if (Control* b = At(registry_.EffectEqButtons, state_.EffectEQSel)) SwitchState(b, kOpEffectEq);

  // The access display and the mode list, while sending is still suppressed.
  session_.PageShown(block);

  flags_.Refreshing = outerRefreshing;
  session_.RedrawCurves(state_.PageBlock);
  store_.SendSuppressed = outerSuppressed;

  // The first connection check.
  session_.RefreshDone(block);
}

}  // namespace morvelin
