#include "shell/preset_dialogs.h"

#include <QGuiApplication>

#include "shell/message_boxes.h"

namespace morvelin {

bool BoxPresetDialogs::AskYesNo(const QString& caption, const QString& text) {
  return boxes_.AskYesNo(&owner_, caption, text);
}

bool BoxPresetDialogs::AskOkCancel(const QString& caption, const QString& text) {
  return boxes_.AskOkCancel(&owner_, caption, text);
}

void BoxPresetDialogs::ShowMessage(const QString& caption, const QString& text) {
  boxes_.Show(&owner_, caption, text);
}

void BoxNotifier::ShowNotice(const QString& chineseText, const QString& englishText) {
  boxes_.Show(&owner_, QGuiApplication::applicationDisplayName(),
              flags_.UiLanguage == 1 ? chineseText : englishText);
}

}  // namespace morvelin
