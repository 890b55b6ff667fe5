#pragma once
// Plain handlers for the bound controls: each stores and sends its word, so every control works
// before band editing and the switches install their own. Derive and override to replace a few.

#include <QString>

#include "editor/widgets/editor_handlers.h"

namespace morvelin {

class EditorBinding;

class DefaultEditorHandlers : public EditorHandlers {
 public:
  explicit DefaultEditorHandlers(EditorBinding& binding) : b_(binding) {}

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
  // The pane shows the position; the word is stored and sent.
  void SysMusNormalVolBarChange(TrackBar& slider) override;

 protected:
  EditorBinding& b_;

 private:
  void Spin(SpinButtons& spin, bool upRight);
  QString savedText_;
};

}  // namespace morvelin
