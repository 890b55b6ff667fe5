#include "editor/widgets/system_switches.h"

#include <QWidget>

#include "editor/page_tables.h"
#include "editor/volume_trio_rule.h"
#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/track_bar.h"
#include "editor/widgets/editor_binding.h"
#include "editor/widgets/form_components.h"

namespace morvelin {

namespace {

constexpr int kUserManagerWord = MakeAddress(30, 8);
// The remote on/off pair sits on a page no tab shows. Its word (9,17) is also the high-pass
// frequency word of the output blocks, so the pair only shows its choice and writes nothing.
constexpr int kRemoteWord = MakeAddress(9, 17);
constexpr const char* kRemoteButtons[] = {"SysRemoteBtn1", "SysRemoteBtn2"};

int& BarOf(VolumeBars& bars, int which) {
  return which == kNormalBar ? bars.normal : which == kStartBar ? bars.start : bars.max;
}
int BarValue(const VolumeBars& bars, int which) {
  return which == kNormalBar ? bars.normal : which == kStartBar ? bars.start : bars.max;
}

}  // namespace

SystemSwitches::SystemSwitches(FormComponents& components, EditorBinding& binding)
    : comps_(components), binding_(binding) {}

void SystemSwitches::Connect() {
  for (const char* name : kRemoteButtons)
    if (auto* b = comps_.Get<BmpButton>(name))
      connect(b, &BmpButton::Clicked, this, [this, b] { SysMusInputLevelClick(*b); });
  for (int source = 0; source < 3; ++source)
    for (int which = kNormalBar; which <= kMaxBar; ++which)
      if (TrackBar* bar = VolumeBar(source, which))
        BarOf(remembered_[static_cast<std::size_t>(source)], which) = bar->Position();
}

const pages::LineRow* SystemSwitches::VolumeRow(int source, int which) {
  const int address = VolumeAddressOf(source, which);
  for (const pages::LineRow& r : pages::LineRows())
    if (r.address == address && r.kind == pages::Kind::Slider) return &r;
  return nullptr;
}

TrackBar* SystemSwitches::VolumeBar(int source, int which) const {
  const pages::LineRow* r = VolumeRow(source, which);
  return r ? comps_.Get<TrackBar>(QString::fromUtf8(r->name)) : nullptr;
}

Control* SystemSwitches::VolumePane(int source, int which) const {
  const pages::LineRow* r = VolumeRow(source, which);
  return r ? comps_.Find(QString::fromUtf8(r->pane)) : nullptr;
}

void SystemSwitches::SysMusInputLevelClick(BmpButton& button) {
  const int value = binding_.SwitchState(&button, kOpSystemPair);
  if (button.Tag() == kRemoteWord) return;
  binding_.Store().SetParam(button.Tag(), value);
  if (button.Tag() == kUserManagerWord)
    if (QWidget* group = comps_.Widget(handle::SysUserMangerGrop)) group->setEnabled(false);
}

void SystemSwitches::SysInputBoxChange(ComboBox& list) {
  binding_.Store().SetParam(list.Tag(), list.ItemIndex());
}

bool SystemSwitches::SysMusNormalVolBarChange(TrackBar& slider) {
  const auto slot = VolumeSlotOf(slider.Tag());
  if (!slot) return false;
  // Our own moves of the trio's sliders are already accounted for.
  if (applying_) return true;
  ParamStore& store = binding_.Store();
  VolumeBars& remembered = remembered_[static_cast<std::size_t>(slot->source)];
  const VolumeTrioChange change =
      MoveVolumeBar(remembered, slot->which, slider.Position(), store.SendSuppressed);
  applying_ = true;
  for (int which = kNormalBar; which <= kMaxBar; ++which) {
    if (!change.writes[static_cast<std::size_t>(which)]) continue;
    const int position = BarValue(change.bars, which);
    if (TrackBar* bar = VolumeBar(slot->source, which)) bar->SetPosition(position);
    if (Control* pane = VolumePane(slot->source, which))
      pane->SetCaption(QString::fromStdString(change.panes[static_cast<std::size_t>(which)]));
    store.SetParam(VolumeAddressOf(slot->source, which), position);
  }
  applying_ = false;
  remembered = change.bars;
  return true;
}

}  // namespace morvelin
