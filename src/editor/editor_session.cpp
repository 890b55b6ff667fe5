#include "editor/editor_session.h"

namespace morvelin {

EditorSession::EditorSession() {
  // ResetBands asks for the refresh of the pages it changed.
  store_.SetRefreshHook([this](int block) { RefreshPage(block); });
}

EditorSession::~EditorSession() {
  store_.SetRefreshHook({});
}

bool EditorSession::ClickEffectTool(int tool) {
  bool handled = false;
  emit EffectToolRequested(tool, handled);
  return handled;
}

void EditorSession::SetCurveColour(const QColor& colour) {
  state_.CurveColor = colour;
  emit CurveColourChanged(colour);
}

void EditorSession::NoteLastEdit(int address, int value) {
  if (address == lastEditAddress_ && value == lastEditValue_) return;
  lastEditAddress_ = address;
  lastEditValue_ = value;
  emit LastEditChanged(address, value);
}

void EditorSession::SetLanguage(int uiLanguage) {
  if (state_.UiLanguage == uiLanguage) return;
  state_.UiLanguage = uiLanguage;
  emit LanguageChanged(uiLanguage);
}

}  // namespace morvelin
