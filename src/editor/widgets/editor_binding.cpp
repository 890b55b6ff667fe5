#include "editor/widgets/editor_binding.h"

#include <QSet>

#include "editor/apply_value_rules.h"
#include "editor/binding_entries.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/spin_buttons.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/default_handlers.h"

namespace morvelin {

namespace {

// Band title labels that carry their band number minus one (the drag points use it): music,
// microphone, effect, output and hidden-page graphs, in the registry's title order.
constexpr int kNumberedTitles[] = {10, 15, 7, 10, 5};

// Low-pass frequency words preset to 360 at start-up.
constexpr int kLowPassPresetWord[kBlockCount] = {7,  -1, 12, 12, 12, 9,  19, 19, 19, 19, 19,
                                                 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19,
                                                 19, 19, 12, -1, -1, -1, -1, -1, -1};
constexpr int kLowPassPreset = 360;

constexpr int kSystemVolumeBlock = 29;
constexpr int kLastSliderLookBlock = 28;

bool IsSystemPairButton(const QString& name) {
  static const char* const kNames[] = {"SysVolRunBtn1", "SysVolRunBtn2", "SysPanelBtn1",
                                       "SysPanelBtn2",  "SysUserBtn",    "SysManagerBtn"};
  for (const char* n : kNames)
    if (name == QLatin1String(n)) return true;
  return false;
}

}  // namespace

EditorBinding::EditorBinding(FormComponents& components, EditorSession& session, TabSwitch& tabs)
    : comps_(components), session_(session), store_(session.Store()), state_(session.State()), tabs_(tabs) {
  example_ = comps_.Find(handle::Example);
  exampleBar_ = comps_.Find(handle::ExampleBar);
  flags_.CurrentEdit = comps_.Find(handle::MusFreEdit1);
  if (!flags_.CurrentEdit) flags_.CurrentEdit = example_;
  flags_.HighlightedEdit = example_;
  flags_.HighlightedGainBar = exampleBar_;
  defaultHandlers_ = std::make_unique<DefaultEditorHandlers>(*this);
  handlers_ = defaultHandlers_.get();
  store_.SetRebindHook([this] { RebindRightChannel(); });

  QObject::connect(&session_, &EditorSession::RefreshRequested, &context_,
                   [this](int block) { RefreshPage(block); });
  QObject::connect(&session_, &EditorSession::StartupStepRun, &context_, [this](StartupStep step) {
    if (step == StartupStep::BuildRegistry) BuildRegistry();
  });
  QObject::connect(&session_, &EditorSession::EffectToolRequested, &context_,
                   [this](int tool, bool& handled) {
                     if (!handled) handled = ClickEffectTool(tool);
                   });
  QObject::connect(&session_, &EditorSession::WheelTargetCleared, &context_,
                   [this] { handlers_->ClearWheelTarget(); });
  QObject::connect(&session_, &EditorSession::GainBarHighlightReset, &context_,
                   [this] { ResetHighlightedGainBar(); });
  QObject::connect(&session_, &EditorSession::Ticked, &context_,
                   [this] { session_.NoteLastEdit(flags_.LastEdit.address, flags_.LastEdit.value); });
  QObject::connect(&session_, &EditorSession::TicksQueried, &context_, [this](bool& wanted) {
    if (!session_.LastEditNoted(flags_.LastEdit.address, flags_.LastEdit.value)) wanted = true;
  });
  Connect();
}

EditorBinding::~EditorBinding() {
  store_.SetRebindHook({});
}

void EditorBinding::SetHandlers(EditorHandlers* handlers) {
  handlers_ = handlers ? handlers : defaultHandlers_.get();
}

bool EditorBinding::ClickEffectTool(int tool) {
  const auto& tools = registry_.ToolButtons;
  if (tool < 0 || tool >= static_cast<int>(tools.size())) return false;
  auto* button = dynamic_cast<BmpButton*>(tools[static_cast<std::size_t>(tool)]);
  if (!button) return false;
  handlers_->EchoAToolButtonClick(*button);
  return true;
}

void EditorBinding::ResetHighlightedGainBar() {
  if (auto* bar = dynamic_cast<TrackBar*>(flags_.HighlightedGainBar)) bar->SetHighlighted(false);
  flags_.HighlightedGainBar = exampleBar_;
}

void EditorBinding::Connect() {
  if (connected_) return;
  connected_ = true;
  QSet<Control*> done;
  auto once = [&done](Control* c) {
    if (!c || done.contains(c)) return false;
    done.insert(c);
    return true;
  };

  for (const BindingEntry& e : BindingEntries()) {
    Control* value = comps_.Find(e.value);
    if (value && value != example_ && once(value)) {
      if (auto* bar = dynamic_cast<TrackBar*>(value)) {
        if (BlockOf(e.address) != kSystemVolumeBlock)
          QObject::connect(bar, &TrackBar::Changed, &context_, [this, bar] { MicHPFreBarChange(*bar); });
        else
          QObject::connect(bar, &TrackBar::Changed, &context_,
                           [this, bar] { handlers_->SysMusNormalVolBarChange(*bar); });
      } else if (auto* edit = dynamic_cast<Edit*>(value)) {
        QObject::connect(edit, &Edit::Clicked, &context_,
                         [this, edit] { handlers_->MusFreEdit1Click(*edit); });
        QObject::connect(edit, &Edit::Exited, &context_, [this, edit] { handlers_->MusFreEdit1Exit(*edit); });
        QObject::connect(edit, &QLineEdit::returnPressed, &context_,
                         [this, edit] { handlers_->MusFreEdit1Enter(*edit); });
      } else if (auto* list = dynamic_cast<ComboBox*>(value)) {
        const QString hint = list->Hint();
        const QString name = list->objectName();
        if (name == "SysInputBox" || name == "SysMusInputLevelBox")
          QObject::connect(list, &ComboBox::UserChanged, &context_,
                           [this, list] { handlers_->SysInputBoxChange(*list); });
        else if (hint == "20" || hint == "21")
          QObject::connect(list, &ComboBox::UserChanged, &context_,
                           [this, list] { handlers_->MainHPTypeBoxChange(*list); });
        else if (name != "SysModeBox")
          QObject::connect(list, &ComboBox::UserChanged, &context_,
                           [this, list] { handlers_->MusModeBox1Change(*list); });
      } else if (auto* button = dynamic_cast<BmpButton*>(value)) {
        const QString name = button->objectName();
        if (name == "MusEQAllpassBtn")
          QObject::connect(button, &BmpButton::Clicked, &context_,
                           [this, button] { handlers_->MusEQAllpassBtnClick(*button); });
        else if (name == "MainLmuteBtn" || name == "MainRmuteBtn")
          QObject::connect(button, &BmpButton::Clicked, &context_,
                           [this, button] { handlers_->MainLmuteBtnClick(*button); });
        else
          QObject::connect(button, &BmpButton::Clicked, &context_,
                           [this, button] { handlers_->EchoEffPhaseBtnClick(*button); });
      }
    }
    for (std::size_t slot = 0; slot < e.aux.size(); ++slot) {
      Control* aux = comps_.Find(e.aux[slot]);
      if (!once(aux)) continue;
      if (auto* bar = dynamic_cast<TrackBar*>(aux)) {
        QObject::connect(bar, &TrackBar::Changed, &context_,
                         [this, bar] { handlers_->MusEQGainBar1Change(*bar); });
      } else if (auto* spin = dynamic_cast<SpinButtons*>(aux)) {
        QObject::connect(spin, &SpinButtons::UpClicked, &context_,
                         [this, spin] { handlers_->MusFreUpDownBtn1UpRightClick(*spin); });
        QObject::connect(spin, &SpinButtons::DownClicked, &context_,
                         [this, spin] { handlers_->MusFreUpDownBtn1DownLeftClick(*spin); });
      } else if (auto* label = dynamic_cast<Label*>(aux)) {
        QObject::connect(label, &Label::Clicked, &context_,
                         [this, label] { handlers_->MusPEQtn1Click(*label); });
      } else if (auto* deq = dynamic_cast<BmpButton*>(aux)) {
        QObject::connect(deq, &BmpButton::Clicked, &context_,
                         [this, deq] { handlers_->DEQTYpeOffBtn1Click(*deq); });
      }
    }
  }

  if (auto* bar = comps_.Get(handle::ExampleBar); bar && once(bar))
    QObject::connect(bar, &TrackBar::Changed, &context_,
                     [this, bar] { handlers_->MusEQGainBar1Change(*bar); });
  if (auto* bar = comps_.Get(handle::MusEQTrackBar1); bar && once(bar))
    QObject::connect(bar, &TrackBar::Changed, &context_,
                     [this, bar] { handlers_->MusEQTrackBar1Change(*bar); });

  for (Control* c : comps_.InOrder()) {
    auto* button = dynamic_cast<BmpButton*>(c);
    if (!button || done.contains(c)) continue;
    const QString name = button->objectName();
    if (IsSystemPairButton(name)) {
      QObject::connect(button, &BmpButton::Clicked, &context_,
                       [this, button] { handlers_->SysMusInputLevelClick(*button); });
    } else if (name == "AutoModeBtn" || name == "ManulModeBtn") {
      QObject::connect(button, &BmpButton::Clicked, &context_,
                       [this, button] { handlers_->AutoModeBtnClick(*button); });
    } else if (name == "EchoFormBtn" || name == "RvbFormBtn" || name == "EchoAEQBtn" || name == "RvbEQBtn") {
      QObject::connect(button, &BmpButton::Clicked, &context_,
                       [this, button] { handlers_->EchoFormBtnClick(*button); });
    } else if (name == "EchoAToolButton" || name == "EchoBToolButton" || name == "RvbToolButton") {
      QObject::connect(button, &BmpButton::Clicked, &context_,
                       [this, button] { handlers_->EchoAToolButtonClick(*button); });
    }
  }
}

void EditorBinding::BuildRegistry() {
  registry_.Fill(comps_);

  for (std::size_t g = 0; g < std::size(kNumberedTitles); ++g) {
    const auto& titles = registry_.BandTitles[g];
    for (int n = 0; n < kNumberedTitles[g] && n < static_cast<int>(titles.size()); ++n)
      if (Control* t = titles[static_cast<std::size_t>(n)]) t->SetTag(n);
  }

  flags_.HighlightedGainBar = exampleBar_;

  const bool wasRefreshing = flags_.Refreshing;
  flags_.Refreshing = true;
  auto isValueClass = [](ControlClass c) {
    return c == ControlClass::ComboBox || c == ControlClass::TrackBar || c == ControlClass::PushButton ||
           c == ControlClass::BmpButton || c == ControlClass::Edit;
  };
  auto isReadoutClass = [](ControlClass c) {
    return c == ControlClass::ComboBox || c == ControlClass::StatusPane || c == ControlClass::BmpButton;
  };
  // Every registered address, also the shelf-Q words of the last strips that lie exactly at
  // their block's length: a loop below the block size would leave their edits untagged.
  for (int a : registry_.Addresses()) {
    if (Control* v = registry_.ValueControl(a); v && isValueClass(v->Class())) v->SetTag(a);
    if (Control* r = registry_.ReadoutControl(a); r && r != example_ && isReadoutClass(r->Class()))
      r->SetTag(a);
    Control* slot0 = registry_.AuxControl(a, 0);
    if (!slot0) continue;
    if (slot0->Class() == ControlClass::TrackBar || slot0->Class() == ControlClass::SpinButtons) {
      slot0->SetTag(a);
    } else if (dynamic_cast<Label*>(slot0)) {
      for (int s = 0; s < ControlRegistry::kAuxSlots; ++s) {
        if (Control* label = registry_.AuxControl(a, s)) {
          label->SetTag(a);
          label->SetHint(QString::number(s));
        }
      }
    }
  }

  const auto* valueLook = comps_.Get(handle::MicHPFreBar);
  const auto* gainLook = comps_.Get(handle::MusEQGainBar1);
  for (int a : registry_.Addresses()) {
    if (BlockOf(a) > kLastSliderLookBlock) continue;
    if (auto* bar = dynamic_cast<TrackBar*>(registry_.ValueControl(a)); bar && valueLook && bar != valueLook)
      bar->SetLook(valueLook->Look());
    auto* gain = dynamic_cast<TrackBar*>(registry_.AuxControl(a, 0));
    if (gain && gainLook && gain != gainLook && BlockOf(a) != 1) gain->SetLook(gainLook->Look());
  }

  for (int b = 0; b < kBlockCount; ++b)
    if (kLowPassPresetWord[b] >= 0) store_.SetDevice(MakeAddress(b, kLowPassPresetWord[b]), kLowPassPreset);
  flags_.Refreshing = wasRefreshing;
}

void EditorBinding::MicHPFreBarChange(TrackBar& slider) {
  if (flags_.ProgrammaticMove) return;
  if (Control* pane = registry_.ReadoutControl(slider.Tag());
      pane && pane->Class() == ControlClass::StatusPane)
    ApplyValue(pane, StepNone, false, slider.Position());
  flags_.CurrentEdit = example_;
  // The EQ shown follows the effect being adjusted; a refresh only shows values.
  if (flags_.Refreshing) return;
  const auto follow =
      EffectEqToFollow(state_.PageBlock, BlockOf(slider.Tag()), store_.Selection().CurEchoBlock);
  if (!follow) return;
  const std::size_t which = *follow == EffectEqButton::EchoA ? 0 : 1;
  if (which < registry_.EffectEqButtons.size())
    if (auto* b = dynamic_cast<BmpButton*>(registry_.EffectEqButtons[which])) handlers_->EchoFormBtnClick(*b);
}

void EditorBinding::RebindRightChannel() {
  const int out = store_.Selection().CurOutBlock;
  int block = -1;
  if (out >= 6 && out <= 11) block = 9;
  if (out >= 12 && out <= 17) block = 15;
  if (block < 0) return;
  for (const char* name : {"MainRdelayBar", "MainRdelayPane"})
    if (Control* c = comps_.Find(name)) c->SetTag(MakeAddress(block, 10));
  if (Control* c = comps_.Find(handle::MainRmuteBtn)) c->SetTag(MakeAddress(block, 11));
}

}  // namespace morvelin
