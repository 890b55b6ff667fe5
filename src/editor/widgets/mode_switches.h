#pragma once
// The buttons and lists that choose how the unit runs and what the pages show: Auto/Manual with
// the Manual lock, the scenes, the pair selector, the effect and hidden-page selectors, the phase
// and mute buttons and the HP/LP filter types.

#include <QObject>

#include "params/param_store.h"

namespace morvelin {

class BandEditing;
class BmpButton;
class ComboBox;
class EditorBinding;
class FormComponents;
class TabSwitch;
struct EditorState;

class ModeSwitches : public QObject {
  Q_OBJECT
 public:
  ModeSwitches(FormComponents& components, EditorState& state, EditorBinding& binding, TabSwitch& tabs,
               BandEditing& bands);

  void Connect();

  void AutoModeBtnClick(BmpButton* button);
  void ApplyManualLock();
  void SingModeBtnClick(BmpButton* button);
  void SameBtnClick(BmpButton* button);
  void EchoFormBtnClick(BmpButton* button);
  void EchoAToolButtonClick(BmpButton* button);
  // The effect tool button of a tool number (0 Echo A, 1 Echo B, 2 reverb).
  void ClickEffectTool(int tool);
  void HintMusBtnClick(BmpButton* button);
  void EchoEffPhaseBtnClick(BmpButton* button);
  void MainLmuteBtnClick(BmpButton* button);
  void MainHPTypeBoxChange(ComboBox* list);
  // The effect EQ shown follows an effect's control being moved (a slider or a filter type of
  // another effect); returns true when the EQ was switched.
  bool FollowEffect(int controlBlock);

 private:
  void Click(const char* name);

  FormComponents& comps_;
  EditorState& state_;
  EditorBinding& binding_;
  TabSwitch& tabs_;
  BandEditing& bands_;
};

}  // namespace morvelin
