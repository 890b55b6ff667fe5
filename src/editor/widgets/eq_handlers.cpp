#include "editor/widgets/eq_handlers.h"

#include "editor/widgets/controls/text_controls.h"
#include "editor/widgets/editor_binding.h"

namespace morvelin {

EqHandlers::EqHandlers(EditorBinding& binding, QWidget* window, std::function<void(const QString&)> notice)
    : DefaultEditorHandlers(binding),
      bands_(binding.Components(), binding.State(), binding, binding.Tabs(), std::move(notice)),
      modes_(binding.Components(), binding.State(), binding, binding.Tabs(), bands_),
      system_(binding.Components(), binding) {
  bands_.Connect(window);
  modes_.Connect();
  system_.Connect();
  binding.SetHandlers(this);
}

EqHandlers::~EqHandlers() {
  b_.SetHandlers(nullptr);
}

void EqHandlers::EchoEffPhaseBtnClick(BmpButton& button) {
  modes_.EchoEffPhaseBtnClick(&button);
}
void EqHandlers::MainLmuteBtnClick(BmpButton& button) {
  modes_.MainLmuteBtnClick(&button);
}
void EqHandlers::MusModeBox1Change(ComboBox& list) {
  bands_.MusModeBox1Change(&list);
}
void EqHandlers::AutoModeBtnClick(BmpButton& button) {
  modes_.AutoModeBtnClick(&button);
}
void EqHandlers::SysMusInputLevelClick(BmpButton& button) {
  system_.SysMusInputLevelClick(button);
}
void EqHandlers::EchoFormBtnClick(BmpButton& button) {
  modes_.EchoFormBtnClick(&button);
}
void EqHandlers::EchoAToolButtonClick(BmpButton& button) {
  modes_.EchoAToolButtonClick(&button);
}
void EqHandlers::MusEQGainBar1Change(TrackBar& slider) {
  bands_.MusEQGainBar1Change(&slider);
}
void EqHandlers::MusEQTrackBar1Change(TrackBar& slider) {
  bands_.MusEQTrackBar1Change(&slider);
}
void EqHandlers::MusFreEdit1Click(Edit& edit) {
  bands_.MusFreEdit1Click(&edit);
}
void EqHandlers::MusFreEdit1Exit(Edit& edit) {
  bands_.MusFreEdit1Exit(&edit);
}
void EqHandlers::MusFreEdit1Enter(Edit& edit) {
  bands_.MusFreEdit1KeyPress(&edit, QChar('\r'));
}
void EqHandlers::CommitEdit(int step) {
  bands_.CommitEdit(step);
}
void EqHandlers::MusFreUpDownBtn1UpRightClick(SpinButtons& spin) {
  bands_.MusFreUpDownBtn1UpRightClick(&spin);
}
void EqHandlers::MusFreUpDownBtn1DownLeftClick(SpinButtons& spin) {
  bands_.MusFreUpDownBtn1DownLeftClick(&spin);
}
void EqHandlers::MusPEQtn1Click(Control& label) {
  bands_.MusPEQtn1Click(dynamic_cast<Label*>(&label));
}
void EqHandlers::DEQTYpeOffBtn1Click(BmpButton& button) {
  bands_.DEQTYpeOffBtn1Click(&button);
}
void EqHandlers::MusEQAllpassBtnClick(BmpButton&) {
  bands_.MusEQAllpassBtnClick();
}
void EqHandlers::MainHPTypeBoxChange(ComboBox& list) {
  modes_.MainHPTypeBoxChange(&list);
}
void EqHandlers::SysInputBoxChange(ComboBox& list) {
  system_.SysInputBoxChange(list);
}

void EqHandlers::ClearWheelTarget() {
  bands_.WheelTarget = false;
}
void EqHandlers::SysMusNormalVolBarChange(TrackBar& slider) {
  if (!system_.SysMusNormalVolBarChange(slider)) DefaultEditorHandlers::SysMusNormalVolBarChange(slider);
}

}  // namespace morvelin
