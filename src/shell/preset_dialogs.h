#pragma once
// The preset groups' questions and the backup notices, shown through the window's message boxes.

#include "presets/notifier.h"
#include "presets/preset_view.h"

class QWidget;

namespace morvelin {

class MessageBoxes;

class BoxPresetDialogs : public PresetDialogs {
 public:
  BoxPresetDialogs(QWidget& owner, MessageBoxes& boxes) : owner_(owner), boxes_(boxes) {}
  bool AskYesNo(const QString& caption, const QString& text) override;
  bool AskOkCancel(const QString& caption, const QString& text) override;
  void ShowMessage(const QString& caption, const QString& text) override;

 private:
  QWidget& owner_;
  MessageBoxes& boxes_;
};

// One OK button, the application title as caption, the text of the current language.
class BoxNotifier : public Notifier {
 public:
  BoxNotifier(QWidget& owner, MessageBoxes& boxes, const UiFlags& flags)
      : owner_(owner), boxes_(boxes), flags_(flags) {}
  void ShowNotice(const QString& chineseText, const QString& englishText) override;

 private:
  QWidget& owner_;
  MessageBoxes& boxes_;
  const UiFlags& flags_;
};

}  // namespace morvelin
