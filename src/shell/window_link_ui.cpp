#include "shell/window_link_ui.h"

#include "editor/widgets/controls/bmp_button.h"
#include "editor/widgets/controls/combo_box.h"
#include "editor/widgets/controls/text_controls.h"
#include "shell/main_window.h"
#include "shell/message_boxes.h"
#include "shell/preset_wiring.h"
#include "shell/status_window.h"

namespace morvelin {

WindowLinkUi::WindowLinkUi(MainWindow& window, MessageBoxes& messages)
    : window_(window), messages_(messages) {}

int WindowLinkUi::UiLanguage() const {
  return window_.State().UiLanguage;
}

int WindowLinkUi::FirstCheckState() const {
  return window_.State().FirstCheckState;
}

void WindowLinkUi::SetFirstCheckState(int state) {
  window_.State().FirstCheckState = state;
}

void WindowLinkUi::HideHiddenPageTab() {
  if (QWidget* tab = window_.Components().Widget(handle::FormHintTabBtn)) tab->hide();
}

void WindowLinkUi::RefreshAllPages() {
  EditorState& s = window_.State();
  window_.Session().RefreshPage(kAllBlocks);
  s.PageAddress = window_.Tabs().PageCaptions(s.CurrentTab);
  window_.Session().RefreshPage(s.PageBlock);
}

void WindowLinkUi::ShowMainWindow() {
  window_.show();
}

void WindowLinkUi::SetLinkStatus(const std::string& caption, const std::string& hint) {
  if (Control* label = window_.Components().Find(handle::LinkLabel)) {
    label->SetCaption(QString::fromStdString(caption));
    label->SetHint(QString::fromStdString(hint));
  }
}

void WindowLinkUi::SetLinkColour(Rgb colour) {
  if (Control* label = window_.Components().Find(handle::LinkLabel))
    label->SetCaptionColor(QColor(colour.red, colour.green, colour.blue));
}

void WindowLinkUi::SetLinkButton(bool pressed, const std::string& caption) {
  const FormComponents& c = window_.Components();
  if (auto* link = c.Get(handle::LinkBtn)) {
    link->SetDown(pressed);
    link->SetCaption(QString::fromStdString(caption));
    link->SetCaptionColor(pressed ? Qt::white : Qt::black);
  }
  if (auto* unlink = c.Get(handle::UnLinkBtn)) unlink->SetDown(!pressed);
}

void WindowLinkUi::SetModeList(const std::array<std::string, kModeNameSlots>& entries) {
  // The mode group keeps its own copy of the items: it rebuilds the list so both stay in step.
  if (presets_) {
    presets_->ModeSaved();
    return;
  }
  auto* box = window_.Components().Get(handle::SysModeBox);
  if (!box) return;
  const int keep = box->currentIndex();
  box->clear();
  for (int i = 0; i < kModeCount; ++i)
    box->addItem(QString::fromStdString(entries[static_cast<std::size_t>(i)]));
  box->setCurrentIndex(keep < box->count() ? keep : -1);
}

void WindowLinkUi::SetDeviceId(const std::string& caption) {
  if (Control* label = window_.Components().Find(handle::DeviceIDLabel))
    label->SetCaption(QString::fromStdString(caption));
}

void WindowLinkUi::AppendDiagnostic(const std::string& line) {
  diagnostics_.append(QString::fromStdString(line));
  if (diagnostics_.size() > kDiagnosticLines) diagnostics_.removeFirst();
}

void WindowLinkUi::UpdateStatusWindow(const StatusWindowModel& model, bool bringToFront) {
  if (status_) status_->Apply(model, bringToFront);
}

void WindowLinkUi::ShowMessage(const std::string& caption, const std::string& text) {
  messages_.Show(&window_, QString::fromStdString(caption), QString::fromStdString(text));
}

bool WindowLinkUi::AskYesNo(const std::string& caption, const std::string& text) {
  return messages_.AskYesNo(&window_, QString::fromStdString(caption), QString::fromStdString(text));
}

void WindowLinkUi::LinkEventDone(LinkEventKind kind) {
  window_.Session().LinkEvent(kind);
}

}  // namespace morvelin
