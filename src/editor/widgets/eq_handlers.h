#pragma once
// The editor's full handlers: band editing, the mode and routing switches and the system
// switches, installed into the binding in place of its plain defaults.

#include <QString>
#include <functional>

#include "editor/widgets/band_editing.h"
#include "editor/widgets/default_handlers.h"
#include "editor/widgets/mode_switches.h"
#include "editor/widgets/system_switches.h"

namespace morvelin {

class EqHandlers : public DefaultEditorHandlers {
 public:
  // Installs itself into `binding` and wires the controls the binding does not wire. `window`
  // receives the mouse wheel; `notice` shows a plain message.
  EqHandlers(EditorBinding& binding, QWidget* window, std::function<void(const QString&)> notice);
  ~EqHandlers() override;
  EqHandlers(const EqHandlers&) = delete;
  EqHandlers& operator=(const EqHandlers&) = delete;

  BandEditing& Bands() { return bands_; }
  ModeSwitches& Modes() { return modes_; }
  SystemSwitches& System() { return system_; }

  void EchoEffPhaseBtnClick(BmpButton& button) override;
  void MainLmuteBtnClick(BmpButton& button) override;
  void MusModeBox1Change(ComboBox& list) override;
  void AutoModeBtnClick(BmpButton& button) override;
  void SysMusInputLevelClick(BmpButton& button) override;
  void EchoFormBtnClick(BmpButton& button) override;
  void EchoAToolButtonClick(BmpButton& button) override;
  void MusEQGainBar1Change(TrackBar& slider) override;
  void MusEQTrackBar1Change(TrackBar& slider) override;
  void MusFreEdit1Click(Edit& edit) override;
  void MusFreEdit1Exit(Edit& edit) override;
  void MusFreEdit1Enter(Edit& edit) override;
  void CommitEdit(int step) override;
  void MusFreUpDownBtn1UpRightClick(SpinButtons& spin) override;
  void MusFreUpDownBtn1DownLeftClick(SpinButtons& spin) override;
  void MusPEQtn1Click(Control& label) override;
  void DEQTYpeOffBtn1Click(BmpButton& button) override;
  void MusEQAllpassBtnClick(BmpButton& button) override;
  void MainHPTypeBoxChange(ComboBox& list) override;
  void SysInputBoxChange(ComboBox& list) override;
  void ClearWheelTarget() override;
  void SysMusNormalVolBarChange(TrackBar& slider) override;

 private:
  BandEditing bands_;
  ModeSwitches modes_;
  SystemSwitches system_;
};

}  // namespace morvelin
