#pragma once
// The control handlers that the binding wires to the form and that RefreshPage runs. The
// binding ships plain defaults (DefaultEditorHandlers) that store and send each word; band
// editing and the mode/routing switches replace them by deriving from DefaultEditorHandlers
// and installing the result with EditorBinding::SetHandlers. Every call goes through the
// installed object at the moment of the event, so a replacement takes effect at once.
//
// EditorBinding::Connect wires exactly the controls of these handlers: the registered sliders,
// edits (click, leaving, Enter), lists, spin buttons, type labels, DEQ type buttons, phase and
// mute buttons, the system volume sliders, MusEQAllpassBtn, ExampleBar, MusEQTrackBar1,
// AutoModeBtn/ManulModeBtn, the echo form and effect EQ buttons, the effect tool buttons and the system
// pairs. Do not connect them again. Not wired here (connect them yourself): the scene buttons,
// LeftBtn/SameBtn/RightBtn, HintMusBtn/HintMicABtn/HintMicBBtn, EQResetBtn, PinPPBtn/PinDCFBtn, the band
// titles, SysModeBox and the mode buttons, key presses, arrow keys and the mouse wheel.

namespace morvelin {

class BmpButton;
class ComboBox;
class Control;
class Edit;
class SpinButtons;
class TrackBar;

class EditorHandlers {
 public:
  virtual ~EditorHandlers() = default;

  // Phase buttons: SwitchState op 14, then SetParam (Tag, the new state).
  virtual void EchoEffPhaseBtnClick(BmpButton& button) = 0;
  // MainLmuteBtn, MainRmuteBtn: SwitchState op 11, then SetParam.
  virtual void MainLmuteBtnClick(BmpButton& button) = 0;
  // Band-type and DEQ-type lists (also run by RefreshPage; only repaints while SendSuppressed).
  virtual void MusModeBox1Change(ComboBox& list) = 0;
  // AutoModeBtn, ManulModeBtn (run by RefreshPage with the stored choice).
  virtual void AutoModeBtnClick(BmpButton& button) = 0;
  // System pairs SysVolRunBtn1/2, SysPanelBtn1/2, SysUserBtn/SysManagerBtn: op 18, SetParam.
  virtual void SysMusInputLevelClick(BmpButton& button) = 0;
  // EchoFormBtn, RvbFormBtn, EchoAEQBtn, RvbEQBtn (the generic slider path clicks the EQ ones).
  virtual void EchoFormBtnClick(BmpButton& button) = 0;
  // EchoAToolButton, EchoBToolButton, RvbToolButton.
  virtual void EchoAToolButtonClick(BmpButton& button) = 0;

  // EQ gain sliders and the hidden frequency slider MusEQTrackBar1.
  virtual void MusEQGainBar1Change(TrackBar& slider) = 0;
  virtual void MusEQTrackBar1Change(TrackBar& slider) = 0;
  // Band and input gain edits.
  virtual void MusFreEdit1Click(Edit& edit) = 0;
  virtual void MusFreEdit1Exit(Edit& edit) = 0;
  // Enter in an edit (the key handlers of band editing may take over the whole keyboard).
  virtual void MusFreEdit1Enter(Edit& edit) = 0;
  // The current edit's text applied, stepped by one raw unit (StepNone, StepUp, StepDown).
  virtual void CommitEdit(int step) = 0;
  virtual void MusFreUpDownBtn1UpRightClick(SpinButtons& spin) = 0;
  virtual void MusFreUpDownBtn1DownLeftClick(SpinButtons& spin) = 0;
  // Band-type labels BY/P/LS/HS and the DEQ Off/Below/Above buttons.
  virtual void MusPEQtn1Click(Control& label) = 0;
  virtual void DEQTYpeOffBtn1Click(BmpButton& button) = 0;
  virtual void MusEQAllpassBtnClick(BmpButton& button) = 0;
  // HP/LP type lists; SysInputBox and SysMusInputLevelBox.
  virtual void MainHPTypeBoxChange(ComboBox& list) = 0;
  virtual void SysInputBoxChange(ComboBox& list) = 0;

  // The nine system volume sliders (the master volumes and the limits of the system page).
  virtual void SysMusNormalVolBarChange(TrackBar& slider) = 0;

  // Every page switch: the mouse wheel stops stepping the band edit until one is clicked.
  virtual void ClearWheelTarget() {}
};

}  // namespace morvelin
