// SwitchState: the pressed and normal looks of every button group and the value each stands for.

#include <QWidget>

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/editor_binding.h"
#include "link/status_texts.h"

namespace morvelin {

namespace {

const QColor kCurrentEditBackground{200, 200, 200};
const QColor kEditBackground{153, 153, 153};
const QColor kTypeLabelOn{248, 241, 128};
const QColor kTypeLabelOff{191, 191, 191};
const QColor kToolCaption{243, 152, 0};

// The system button pairs of op 18: the button whose Hint is 0, then the one whose Hint is 1.
constexpr std::pair<const char*, const char*> kSystemPairs[] = {
    {"SysVolRunBtn1", "SysVolRunBtn2"},
    {"SysPanelBtn1", "SysPanelBtn2"},
    {"SysUserBtn", "SysManagerBtn"},
    {"SysRemoteBtn1", "SysRemoteBtn2"},
};

// The controls that follow the echo form: shown for Echo+Echo, hidden for Echo+Rvb.
constexpr const char* kEchoBControls[] = {"EchoBGroup", "MainEchoBLevelBar", "MainEchoBPhaseBtn",
                                          "MainEchoBLevelPane", "Label92"};
constexpr const char* kReverbMixControls[] = {"MainRvbLevelBar", "MainRvbPhaseBtn", "MainRvbLevelPane",
                                              "Label93"};

constexpr int kEchoBlockOfTool[] = {4, 24, 5};
constexpr int kPageOfTool[] = {0x0400, 0x0400, 0x0501};
constexpr int kHiddenPageAddress = 0x1900;

void Press(Control* c, bool on) {
  if (auto* b = dynamic_cast<BmpButton*>(c)) {
    b->SetDown(on);
    b->SetCaptionColor(on ? Qt::white : Qt::black);
  }
}

int IndexIn(const std::vector<Control*>& list, const Control* c) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i] == c) return static_cast<int>(i);
  return -1;
}

// One of N pressed, the others normal; returns the index of `c`, -1 when not in the group.
int PressOneOf(const std::vector<Control*>& list, const Control* c) {
  const int k = IndexIn(list, c);
  if (k < 0) return -1;
  for (std::size_t i = 0; i < list.size(); ++i) Press(list[i], static_cast<int>(i) == k);
  return k;
}

QString Toggled(const QString& hint) {
  return hint == "1" ? QStringLiteral("0") : QStringLiteral("1");
}

}  // namespace

int EditorBinding::SwitchState(Control* control, int op) {
  if (!control) return 0;
  auto* button = dynamic_cast<BmpButton*>(control);

  if (op >= 0 && op <= 7) {
    if (flags_.Refreshing || control->Class() != ControlClass::Edit) return 0;
    const int band = store_.LocateBand(control->Tag()) / 256;
    flags_.SelectedBand[static_cast<std::size_t>(op)] = band;
    if (flags_.CurrentEdit != flags_.HighlightedEdit) {
      if (auto* e = dynamic_cast<Edit*>(flags_.CurrentEdit)) e->SetBackground(kCurrentEditBackground);
      if (auto* e = dynamic_cast<Edit*>(flags_.HighlightedEdit)) e->SetBackground(kEditBackground);
      flags_.HighlightedEdit = flags_.CurrentEdit;
    }
    tabs_.ScrollBandIntoView(IndexOf(state_.PageAddress), band);
    return 0;
  }

  switch (op) {
    case kOpTab:
      return tabs_.SwitchTab(control->Tag());
    case kOpToggle:
    case kOpToggleCaption: {
      control->SetHint(Toggled(control->Hint()));
      const bool on = control->Hint() == "1";
      if (button) button->SetDown(on);
      if (op == kOpToggleCaption) control->SetCaptionColor(on ? Qt::white : Qt::black);
      return on ? 1 : 0;
    }
    case kOpPhase: {
      control->SetCaption(QString());
      control->SetHint(Toggled(control->Hint()));
      const bool on = control->Hint() == "1";
      if (button) {
        if (const auto* look = comps_.Get(handle::ExampleBtn2)) button->SetLook(look->Look());
        button->SetDown(!on);
      }
      return on ? 1 : 0;
    }
    case kOpAutoManual: {
      const std::vector<Control*> pair{comps_.Find(handle::AutoModeBtn), comps_.Find(handle::ManulModeBtn)};
      return std::max(0, PressOneOf(pair, control));
    }
    case kOpScene:
      return std::max(0, PressOneOf(registry_.SceneButtons, control));
    case kOpSystemPair: {
      const int value = control->Hint() == "1" ? 1 : 0;
      for (const auto& [off, on] : kSystemPairs) {
        Control* a = comps_.Find(off);
        Control* b = comps_.Find(on);
        if (control != a && control != b) continue;
        for (Control* c : {a, b})
          if (c) Press(c, c->Hint() == control->Hint());
      }
      return value;
    }
    case kOpPair:
      return PressOneOf(registry_.PairButtons, control) == 1 ? 1 : 0;
    case kOpLink: {
      auto* link = comps_.Get(handle::LinkBtn);
      auto* unlink = comps_.Get(handle::UnLinkBtn);
      const bool linking = control == link;
      if (link) {
        Press(link, linking);
        link->SetCaption(QString::fromUtf8(
            InLanguage(linking ? kLinkButtonPressed : kLinkButtonNormal, state_.UiLanguage)));
      }
      if (unlink) Press(unlink, !linking);
      return linking ? 0 : 1;
    }
    case kOpBandTypeLabel: {
      const int address = control->Tag();
      for (int s = 0; s < ControlRegistry::kAuxSlots; ++s) {
        auto* label = dynamic_cast<Label*>(registry_.AuxControl(address, s));
        if (!label) continue;
        label->SetBackground(QString::number(s) == control->Hint() ? kTypeLabelOn : kTypeLabelOff);
        label->SetCaptionColor(Qt::black);
      }
      return 0;
    }
    case kOpDeqType: {
      const int address = registry_.AddressOf(control);
      for (int s = 0; s < 3; ++s) Press(registry_.AuxControl(address, s), s == control->Tag());
      return control->Tag();
    }
    case kOpEffectTool:
    case kOpHiddenPage: {
      const auto& list = op == kOpEffectTool ? registry_.ToolButtons : registry_.HintButtons;
      const int k = IndexIn(list, control);
      if (k < 0) return 0;
      for (std::size_t i = 0; i < list.size(); ++i) {
        const bool on = static_cast<int>(i) == k;
        if (auto* b = dynamic_cast<BmpButton*>(list[i])) {
          b->SetDown(on);
          b->SetCaptionColor(on ? QColor(Qt::white) : kToolCaption);
        }
      }
      if (op == kOpHiddenPage) {
        store_.Selection().CurHideBlock = 25 + k;
        return kHiddenPageAddress;
      }
      store_.Selection().CurEchoBlock = kEchoBlockOfTool[k];
      return kPageOfTool[k];
    }
    case kOpEchoForm: {
      const int k = PressOneOf(registry_.FormButtons, control);
      if (k < 0) return 0;
      for (const char* n : kEchoBControls)
        if (QWidget* w = comps_.Widget(n)) w->setVisible(k == 0);
      for (const char* n : kReverbMixControls)
        if (QWidget* w = comps_.Widget(n)) w->setVisible(k == 1);
      return k;
    }
    case kOpEffectEq:
      return std::max(0, PressOneOf(registry_.EffectEqButtons, control));
    default:
      return 0;
  }
}

}  // namespace morvelin
