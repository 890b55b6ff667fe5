#pragma once
// The system page's switches: the on/off pairs (volume limit, panel lock, user/manager, the
// infrared remote), the input lists and the nine system volume sliders with their trio rule.

#include <QObject>
#include <array>

#include "params/scales.h"

namespace morvelin {

namespace pages {
struct LineRow;
}

class BmpButton;
class Control;
class ComboBox;
class EditorBinding;
class FormComponents;
class TrackBar;

class SystemSwitches : public QObject {
  Q_OBJECT
 public:
  SystemSwitches(FormComponents& components, EditorBinding& binding);

  // Wires the remote pair, which the binding does not register, and remembers the volume
  // sliders' positions.
  void Connect();

  void SysMusInputLevelClick(BmpButton& button);
  void SysInputBoxChange(ComboBox& list);
  // Returns false for a slider that is not one of the nine system volumes.
  bool SysMusNormalVolBarChange(TrackBar& slider);

 private:
  static const pages::LineRow* VolumeRow(int source, int which);
  TrackBar* VolumeBar(int source, int which) const;
  Control* VolumePane(int source, int which) const;

  FormComponents& comps_;
  EditorBinding& binding_;
  // The previous position of each volume slider, per source (microphone, music, effect).
  std::array<VolumeBars, 3> remembered_{};
  bool applying_ = false;
};

}  // namespace morvelin
