#pragma once
// The window by keyboard, a feature of the editor session: Tab and Shift+Tab go through the
// controls in the order they are seen (rows top to bottom, left to right within a row; band
// strips band by band), a strip that takes the focus is scrolled into view, and Ctrl+1 ..
// Ctrl+9 open the pages in the order of the tab bar. Space, Enter and the arrow keys are the
// controls' own.

#include <QObject>
#include <vector>

class QWidget;

namespace morvelin {

class EditorSession;
class FormComponents;

class KeyboardAccess : public QObject {
  Q_OBJECT
 public:
  KeyboardAccess(EditorSession& session, FormComponents& components, QWidget& window);

  // The widgets the Tab key reaches, in their order (hidden ones included: Tab skips them).
  static std::vector<QWidget*> TabChain(QWidget& window);
  // Presses the n-th shown tab button of the tab bar (1-based); false when there is none.
  bool OpenPage(int n);

 private:
  void FormCreate();
  void ShowFocused(QWidget* focused);

  FormComponents& comps_;
  QWidget& window_;
  bool ordered_ = false;
};

}  // namespace morvelin
