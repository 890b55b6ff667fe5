#pragma once
// The Chinese/English switch of the main window and of the status window, a feature of the
// editor session. Whenever UiLanguage changes, the swapped controls exchange caption and hint in
// the order the window owns them, the picture buttons take their captions from a fixed table,
// the link button follows the link state and the link puts its texts up again. The language
// button on the system page's mode group asks for the switch, then sets the current page's
// channel labels up again and refreshes the page, so that the composed texts follow.

#include <QObject>

namespace morvelin {

class BmpButton;
class EditorSession;
class FormComponents;
class TabSwitch;

class LanguageSwitch : public QObject {
  Q_OBJECT
 public:
  LanguageSwitch(EditorSession& session, FormComponents& components, TabSwitch& tabs);

  // The language button: switch to the language its Tag offers, then redo the page.
  void RzToolButton11Click();
  void RzToolButton11MouseUp();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  // Steps 2..5 of SetLanguage, after the session has taken the new UiLanguage.
  void Apply(int uiLanguage);

  EditorSession& session_;
  FormComponents& comps_;
  TabSwitch& tabs_;
  BmpButton* button_ = nullptr;
};

}  // namespace morvelin
